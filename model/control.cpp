#include "model/control.h"

#include <algorithm>

#include "model/form.h"

namespace kanmeri::model {

namespace {
// Blanks are the two spaces the captions use, ASCII and ideographic.
bool blank(const Text& text) {
    return std::all_of(text.begin(), text.end(),
                       [](char16_t unit) { return unit == u' ' || unit == u'\u3000'; });
}
}  // namespace

Control::Control(Form& form, ControlKind kind, ControlDesign design)
    : form_(form), kind_(kind), design_(std::move(design)) {}

Role Control::role() const {
    switch (kind_) {
        case ControlKind::TextBox:
            return Role::Entry;
        case ControlKind::Label:
            return Role::StaticText;
        case ControlKind::CommandButton:
            return Role::Button;
        case ControlKind::OptionButton:
            return Role::Option;
        case ControlKind::Frame:
            return Role::Group;
        case ControlKind::Shape:
            return design_.bar != nullptr ? Role::ProgressBar : Role::Graphic;
        case ControlKind::Timer:
            break;
    }
    return Role::None;
}

void Control::setRect(const TwipsRect& rect) {
    if (rect == design_.rect) {
        return;
    }
    design_.rect = rect;
    notify(Property::Geometry);
}

void Control::notify(Property property) {
    form_.notify(*this, property);
}

CaptionedControl::CaptionedControl(Form& form, ControlKind kind, ControlDesign design)
    : Control(form, kind, std::move(design)), caption_(this->design().caption) {}

Text CaptionedControl::accessibleName() const {
    Text name = Control::accessibleName();
    return name.empty() ? caption_ : name;
}

void CaptionedControl::setCaption(Text caption) {
    if (caption != caption_) {
        caption_ = std::move(caption);
        notify(Property::Caption);
        captionChanged();
    }
    // Unchanged or not: the same result given twice is news twice.
    if (announces() && !blank(caption_)) {
        notify(Property::Announcement);
    }
}

}  // namespace kanmeri::model
