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

Control::Control(Form& form, ControlKind kind, ControlDesign design, Frame* parent)
    : form_(form), kind_(kind), design_(std::move(design)), parent_(parent) {}

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

CaptionedControl::CaptionedControl(Form& form, ControlKind kind, ControlDesign design,
                                   Frame* parent, Text caption)
    : Control(form, kind, std::move(design), parent), caption_(std::move(caption)) {}

Text CaptionedControl::accessibleName() const {
    Text name = Control::accessibleName();
    return name.empty() ? caption_ : name;
}

void CaptionedControl::setCaption(Text caption) {
    if (caption != caption_) {
        caption_ = std::move(caption);
        notify(Property::Caption);
    }
    // Unchanged or not: the same result given twice is news twice.
    if (announces() && !blank(caption_)) {
        notify(Property::Announcement);
    }
}

}  // namespace kanmeri::model
