#include "platform/label_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "model/window.h"
#include "platform/look.h"

namespace kanmeri::platform {

LabelWidget::LabelWidget(model::Label& label, Delivery& delivery, QWidget* parent)
    : DrawnControl(label, parent),
      label_(label),
      measure_(dynamic_cast<const CaptionMeasure*>(&label.form().window().measure())),
      delivery_(delivery) {
    setFocusPolicy(Qt::NoFocus);
    applyStyle(*this, label);
    if (label.design().border) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(model::Label::kBorderPixels);
    }
}

void LabelWidget::follow(model::Property property) {
    if (property == model::Property::Caption) {
        // Shaped when next drawn, by which time the model has measured it.
        caption_.reset();
        // The border stays as it is; a new size repaints the whole label.
        update(contentsRect());
    }
}

const CaptionLayout& LabelWidget::caption() const {
    if (!caption_) {
        const QString text = toQString(label_.caption());
        caption_ = measure_ != nullptr ? measure_->layoutFor(text, font())
                                       : std::make_unique<CaptionLayout>();
        caption_->setText(text, font());
    }
    caption_->layOut(contentsRect().width(), label_.design().alignment == model::Alignment::Centre);
    return *caption_;
}

void LabelWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // Drawing the shaded border costs as much as the caption: skip it when
    // only the inside is repainted, as at each change of a running caption.
    if (!contentsRect().contains(event->rect())) {
        drawFrame(&painter);
    }
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
    delivery_.deliver(&label_, raising(label_.click));
}

}  // namespace kanmeri::platform
