#include "platform/label_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/look.h"

namespace kanmeri::platform {

LabelWidget::LabelWidget(model::Label& label, Delivery& delivery, QWidget* parent)
    : DrawnControl(label, parent),
      label_(label),
      delivery_(delivery),
      pressable_(label.click.bound()),
      centred_(label.alignment() == model::Alignment::Centre) {
    setFocusPolicy(Qt::NoFocus);
    setFont(toFont(label.style().font));
    if (label.style().foreColour) {
        QPalette p = palette();
        p.setColor(QPalette::WindowText, toColour(*label.style().foreColour));
        setPalette(p);
    }
    if (label.border()) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(kBorder);
    }
    followCaption();
}

void LabelWidget::follow(model::Property property) {
    if (property == model::Property::Caption) {
        followCaption();
    }
}

void LabelWidget::followCaption() {
    caption_.setText(toQString(label_.caption()), font());
    if (label_.autoSize()) {
        // The model's new size comes back as a geometry change.
        const int border = label_.border() ? 2 * kBorder : 0;
        model::TwipsRect rect = label_.rect();
        rect.width = toTwips(caption_.oneLineWidth() + border);
        rect.height = toTwips(caption_.lineHeight() + border);
        label_.setRect(rect);
    }
    update();
}

const CaptionLayout& LabelWidget::caption() const {
    caption_.layOut(contentsRect().width(), centred_);
    return caption_;
}

void LabelWidget::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    caption().draw(painter, captionOrigin());
}

void LabelWidget::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void LabelWidget::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) {
        press();
    }
}

void LabelWidget::press() {
    delivery_.raise(label_, label_.click);
}

}  // namespace kanmeri::platform
