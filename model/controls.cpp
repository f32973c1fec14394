#include "model/controls.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "model/form.h"
#include "model/geometry.h"
#include "model/text_measure.h"
#include "model/window.h"

namespace kanmeri::model {

TextBox::TextBox(Form& form, ControlDesign design)
    : Control(form, ControlKind::TextBox, std::move(design)), text_(this->design().caption) {}

void TextBox::edit(Text text, std::size_t caret) {
    caret_ = std::min(caret, text.size());
    if (text == text_) {
        return;
    }
    text_ = std::move(text);
    notify(Property::Text);
    change.raise();
}

Label::Label(Form& form, ControlDesign design)
    : CaptionedControl(form, ControlKind::Label, std::move(design)) {
    captionChanged();
}

void Label::captionChanged() {
    if (!design().autoSize) {
        return;
    }
    const TextExtent extent = form().window().measure().oneLine(caption(), design().font);
    const int border = design().border ? 2 * kBorderPixels : 0;
    TwipsRect next = rect();
    next.width = static_cast<float>(extent.width + border) * kTwipsPerPixel;
    next.height = static_cast<float>(extent.height + border) * kTwipsPerPixel;
    setRect(next);
}

OptionButton::OptionButton(Form& form, ControlDesign design)
    : CaptionedControl(form, ControlKind::OptionButton, std::move(design)),
      value_(this->design().selected) {}

void OptionButton::select() {
    if (value_) {
        return;
    }
    std::vector<OptionButton*> changed{this};
    for (OptionButton* other : form().group(*this)) {
        if (other != this && other->value_) {
            other->value_ = false;
            changed.push_back(other);
        }
    }
    value_ = true;
    for (OptionButton* button : changed) {
        button->notify(Property::Value);
    }
}

void Shape::setWidth(float twips) {
    TwipsRect next = rect();
    next.width = twips;
    setRect(next);
}

Text Shape::description() const {
    const Shape* outline = design().bar;
    if (outline == nullptr || outline->width() <= 0) {
        return {};
    }
    const long percent = std::lround(100.0 * width() / outline->width());
    const std::string digits = std::to_string(std::clamp(percent, 0L, 100L)) + "%";
    return {digits.begin(), digits.end()};
}

int msToTick(std::int64_t nowMs, int intervalMs) {
    return intervalMs - static_cast<int>((nowMs - Timer::kTickMarginMs) % intervalMs);
}

}  // namespace kanmeri::model
