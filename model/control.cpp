#include "model/control.h"

#include <array>

#include "model/form.h"

namespace kanmeri::model {

namespace {
// Blanks are the two spaces the captions use, ASCII and ideographic.
bool blank(const Text& text) {
    return text.find_first_not_of(u" \u3000") == Text::npos;
}
}  // namespace

Control::Control(Form& form, ControlKind kind, ControlDesign design)
    : form_(form), kind_(kind), design_(std::move(design)), rect_(design_.rect) {}

Role Control::role() const {
    static constexpr auto kByKind =
        std::to_array({Role::Entry, Role::StaticText, Role::Button, Role::Option, Role::Group,
                       Role::Graphic, Role::None});
    static_assert(kByKind.size() == kControlKinds);
    if (kind_ == ControlKind::Shape && design_.bar != nullptr) {
        return Role::ProgressBar;
    }
    return kByKind.at(static_cast<std::size_t>(kind_));
}

void Control::setRect(const TwipsRect& rect) {
    if (rect == rect_) {
        return;
    }
    rect_ = rect;
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
    if (design().announces && !blank(caption_)) {
        notify(Property::Announcement);
    }
}

}  // namespace kanmeri::model
