#include "model/controls.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "model/form.h"

namespace kanmeri::model {

TextBox::TextBox(Form& form, ControlDesign design, TextBoxDesign box, Frame* parent)
    : Control(form, ControlKind::TextBox, std::move(design), parent), box_(box) {}

void TextBox::setText(Text text) {
    replace(std::move(text), 0);
}

void TextBox::edit(Text text, std::size_t caret) {
    const std::size_t at = std::min(caret, text.size());
    replace(std::move(text), at);
}

void TextBox::replace(Text text, std::size_t caret) {
    caret_ = caret;
    if (text == text_) {
        return;
    }
    text_ = std::move(text);
    notify(Property::Text);
    change.raise();
}

Label::Label(Form& form, ControlDesign design, Text caption, LabelDesign label, Frame* parent)
    : CaptionedControl(form, ControlKind::Label, std::move(design), parent, std::move(caption)),
      label_(label) {}

CommandButton::CommandButton(Form& form, ControlDesign design, Text caption, Frame* parent)
    : CaptionedControl(form, ControlKind::CommandButton, std::move(design), parent,
                       std::move(caption)) {}

Frame::Frame(Form& form, ControlDesign design, Text caption)
    : CaptionedControl(form, ControlKind::Frame, std::move(design), nullptr, std::move(caption)) {}

OptionButton::OptionButton(Form& form, ControlDesign design, Text caption, bool selected,
                           Frame* parent)
    : CaptionedControl(form, ControlKind::OptionButton, std::move(design), parent,
                       std::move(caption)),
      value_(selected) {}

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

Shape::Shape(Form& form, ControlDesign design, ShapeDesign shape)
    : Control(form, ControlKind::Shape, std::move(design), nullptr), shape_(shape) {}

void Shape::setWidth(float twips) {
    TwipsRect next = rect();
    next.width = twips;
    setRect(next);
}

Text Shape::description() const {
    if (shape_.bar == nullptr || shape_.bar->width() <= 0) {
        return {};
    }
    const long percent = std::lround(100.0 * width() / shape_.bar->width());
    const std::string digits = std::to_string(std::clamp(percent, 0L, 100L)) + "%";
    return {digits.begin(), digits.end()};
}

Timer::Timer(Form& form, ControlDesign design, int intervalMs, bool enabled)
    : Control(form, ControlKind::Timer, std::move(design), nullptr),
      interval_(intervalMs),
      enabled_(enabled) {}

}  // namespace kanmeri::model
