#include "platform/label_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/look.h"

namespace kanmeri::platform {

LabelWidget::LabelWidget(model::Label& label, Deliver deliver, QWidget* parent)
    : QFrame(parent), label_(label), deliver_(std::move(deliver)) {
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
    setGeometry(toPixels(label.rect()));
    followCaption();
}

void LabelWidget::sync(model::Property property) {
    if (property == model::Property::Caption) {
        followCaption();
    } else if (property == model::Property::Geometry) {
        setGeometry(toPixels(label_.rect()));
    }
}

void LabelWidget::followCaption() {
    const QString text = toQString(label_.caption());
    caption_.setText(text, font());
    setAccessibleName(text);
    if (label_.autoSize()) {
        fitCaption();
        // The model's notice may come before the view knows this widget.
        setGeometry(toPixels(label_.rect()));
    }
    update();
}

void LabelWidget::fitCaption() {
    const int border = label_.border() ? 2 * kBorder : 0;
    model::TwipsRect rect = label_.rect();
    rect.width = toTwips(caption_.oneLineWidth() + border);
    rect.height = toTwips(caption_.lineHeight() + border);
    label_.setRect(rect);
}

const CaptionLayout& LabelWidget::caption() const {
    caption_.layOut(contentsRect().width(), label_.alignment() == model::Alignment::Centre);
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
    if (pressable()) {
        deliver_([this] { label_.click.raise(); });
    }
}

}  // namespace kanmeri::platform
