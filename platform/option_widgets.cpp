#include "platform/option_widgets.h"

#include "platform/look.h"

namespace kanmeri::platform {

namespace {

void applyStyle(QWidget& widget, const model::Style& style) {
    widget.setFont(toFont(style.font));
    QPalette p = widget.palette();
    if (style.backColour) {
        p.setColor(QPalette::Window, toColour(*style.backColour));
        p.setColor(QPalette::Button, toColour(*style.backColour));
        widget.setAutoFillBackground(true);
    }
    if (style.foreColour) {
        p.setColor(QPalette::WindowText, toColour(*style.foreColour));
    }
    widget.setPalette(p);
}

}  // namespace

FrameWidget::FrameWidget(model::Frame& frame, QWidget* parent) : QGroupBox(parent), frame_(frame) {
    applyStyle(*this, frame.style());
    setFocusPolicy(Qt::NoFocus);
    setGeometry(toPixels(frame.rect()));
    follow(model::Property::Caption);
}

void FrameWidget::follow(model::Property property) {
    if (property == model::Property::Geometry) {
        setGeometry(toPixels(frame_.rect()));
    } else if (property == model::Property::Caption) {
        setTitle(toQString(frame_.caption()));
        followAccess(*this, frame_);
    }
}

OptionWidget::OptionWidget(model::OptionButton& option, Delivery& delivery, QWidget* parent)
    : QRadioButton(parent), option_(option) {
    applyStyle(*this, option.style());
    setAutoExclusive(true);
    setGeometry(toPixels(option.rect()));
    follow(model::Property::Caption);
    followValue();
    connect(this, &QRadioButton::toggled, this, [this, &delivery](bool checked) {
        if (checked) {
            delivery.change(option_, [this] { option_.select(); });
        }
    });
}

void OptionWidget::follow(model::Property property) {
    if (property == model::Property::Geometry) {
        setGeometry(toPixels(option_.rect()));
    } else if (property == model::Property::Caption) {
        setText(toQString(option_.caption()));
        followAccess(*this, option_);
    } else if (property == model::Property::Value) {
        followValue();
    }
}

void OptionWidget::followValue() {
    {
        const QSignalBlocker quiet(this);
        setChecked(option_.value());
    }
    // Only the selected button is a tab stop; the others are reached with
    // the arrow keys or the mouse.
    setFocusPolicy(option_.value() ? Qt::StrongFocus : Qt::ClickFocus);
}

}  // namespace kanmeri::platform
