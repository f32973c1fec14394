#pragma once
// The controls of a loaded window. A control holds its properties and is the
// one source of truth for them; whatever draws it follows the notifications
// its form passes on (see Form::setObserver).
#include <cstddef>
#include <cstdint>
#include <optional>

#include "model/appearance.h"
#include "model/event.h"
#include "model/geometry.h"
#include "model/text.h"

namespace kanmeri::model {

class Form;
class Frame;

enum class ControlKind { TextBox, Label, CommandButton, OptionButton, Frame, Shape, Timer };

// What changed on a control; passed to the form's observer. Announcement is
// no change: a control that announces its captions was given one with text
// (not only blanks), which a screen reader speaks once, even if it is the
// caption the control had; it follows the Caption notice when there is one.
enum class Property { Text, Caption, Value, Geometry, Announcement };

// What a control is to assistive technology (a screen reader).
enum class Role { None, StaticText, Entry, Button, Option, Group, Graphic, ProgressBar };

// Design-time values shared by every kind of control.
struct ControlDesign {
    Text name;                          // exact, unique in the window (arrays share it)
    std::optional<std::int16_t> index;  // set for members of a control array
    TwipsRect rect;                     // relative to the parent (window or frame)
    int tabIndex = -1;                  // -1 for controls without a tab position
    Style style;
    Role role = Role::None;
    Text accessibleName{};  // what a screen reader calls it; empty for its caption
    // A letter that, with Alt, clicks it anywhere in its window; 0 for none.
    char16_t accessKey = 0;
    Text accessibleDescription{};  // what a screen reader adds to its name
    bool announces = false;        // each caption with text is spoken as it is set
};

class Control {
public:
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    [[nodiscard]] ControlKind kind() const { return kind_; }
    [[nodiscard]] const Text& name() const { return design_.name; }
    [[nodiscard]] std::optional<std::int16_t> index() const { return design_.index; }
    [[nodiscard]] Frame* parent() const { return parent_; }
    [[nodiscard]] Form& form() const { return form_; }
    [[nodiscard]] const TwipsRect& rect() const { return design_.rect; }
    [[nodiscard]] int tabIndex() const { return design_.tabIndex; }
    [[nodiscard]] const Style& style() const { return design_.style; }
    [[nodiscard]] Role role() const { return design_.role; }
    [[nodiscard]] char16_t accessKey() const { return design_.accessKey; }
    [[nodiscard]] bool announces() const { return design_.announces; }
    // The name a screen reader gives the control.
    [[nodiscard]] virtual Text accessibleName() const { return design_.accessibleName; }
    // What a screen reader tells of the control beyond its name: the design's
    // accessible description, or its state where a kind says so; empty for nothing.
    [[nodiscard]] virtual Text description() const { return design_.accessibleDescription; }

    // Moves or resizes the control; notifies Property::Geometry on a change.
    void setRect(const TwipsRect& rect);

    // Whether the control can hold the keyboard focus.
    [[nodiscard]] virtual bool canTakeFocus() const { return false; }

protected:
    Control(Form& form, ControlKind kind, ControlDesign design, Frame* parent);
    void notify(Property property);

private:
    Form& form_;
    ControlKind kind_;
    ControlDesign design_;
    Frame* parent_;
};

// A control with a caption (labels, buttons, option buttons, frames).
class CaptionedControl : public Control {
public:
    [[nodiscard]] const Text& caption() const { return caption_; }
    // The design's accessible name, or else the caption.
    [[nodiscard]] Text accessibleName() const override;
    // Notifies Property::Caption when the caption differs, then, on a control
    // that announces, Property::Announcement when the caption is not blank.
    void setCaption(Text caption);

protected:
    CaptionedControl(Form& form, ControlKind kind, ControlDesign design, Frame* parent,
                     Text caption);

private:
    Text caption_;
};

}  // namespace kanmeri::model
