#pragma once
// The controls of a loaded window, the one source of truth for their
// properties; whatever draws them follows their form's notices.
#include <cstddef>
#include <cstdint>
#include <optional>

#include "model/appearance.h"
#include "model/geometry.h"
#include "model/text.h"

namespace kanmeri::model {

class Form;
class Frame;
class Shape;

enum class ControlKind { TextBox, Label, CommandButton, OptionButton, Frame, Shape, Timer };
inline constexpr std::size_t kControlKinds = 7;  // kept with the list above

// What changed on a control, for the form's observer. Announcement follows
// any change when a control that announces is given a caption that is not
// blank, even the one it had: a screen reader speaks it once.
enum class Property { Text, Caption, Value, Geometry, Announcement };

// What a control is to assistive technology (a screen reader).
enum class Role { None, StaticText, Entry, Button, Option, Group, Graphic, ProgressBar };
inline constexpr std::size_t kRoles = 8;  // kept with the list above

enum class Alignment { Left, Centre };

// A control's design-time values: one row of a window's design, naming only
// what differs from these defaults; fields of other kinds are ignored.
struct ControlDesign {
    Text name{};                          // exact, unique in the window (arrays share it)
    std::optional<std::int16_t> index{};  // set for members of a control array
    TwipsRect rect{};                     // relative to the parent (window or frame)
    int tab = -1;                         // tab position; -1 for none
    Text caption{};                       // a text box's text, the caption otherwise
    Font font{};
    std::optional<Rgb> fore{};  // absent: the desktop's default
    std::optional<Rgb> back{};
    Text accessibleName{};         // what a screen reader calls it; empty for its caption
    char16_t accessKey = 0;        // a letter that, with Alt, clicks it anywhere in its window
    Text accessibleDescription{};  // what a screen reader adds to its name
    bool announces = false;        // each caption with text is spoken as it is set
    Frame* frame = nullptr;        // the frame that holds it; none for the window
    Alignment alignment = Alignment::Left;  // text boxes and labels
    bool border = false;                    // labels: 2 px sunken
    bool autoSize = false;                  // labels: the size of the caption on one line
    bool selected = false;                  // option buttons
    Rgb fill = 0xFFFFFF;                    // shapes: the inside
    Rgb line = 0x000000;                    // shapes: the 1 px border
    const Shape* bar = nullptr;             // shapes: the outline whose share it fills, if any
    int interval = 0;                       // timers: milliseconds between ticks while loaded
};

class Control {
public:
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    // The row it was made from; every property that never changes is read there.
    [[nodiscard]] const ControlDesign& design() const { return design_; }
    [[nodiscard]] ControlKind kind() const { return kind_; }
    [[nodiscard]] const Text& name() const { return design_.name; }
    [[nodiscard]] Frame* parent() const { return design_.frame; }
    [[nodiscard]] Form& form() const { return form_; }
    [[nodiscard]] const TwipsRect& rect() const { return rect_; }
    // Follows from the kind: a text box is an entry, a label static text, a
    // frame a group, a shape a graphic or, filling an outline, a progress bar.
    [[nodiscard]] Role role() const;
    // The name a screen reader gives the control.
    [[nodiscard]] virtual Text accessibleName() const { return design_.accessibleName; }
    // What a screen reader tells of the control beyond its name: the design's
    // accessible description, or its state where a kind says so; empty for nothing.
    [[nodiscard]] virtual Text description() const { return design_.accessibleDescription; }

    // Moves or resizes the control; notifies Property::Geometry on a change.
    void setRect(const TwipsRect& rect);

protected:
    Control(Form& form, ControlKind kind, ControlDesign design);
    void notify(Property property);

private:
    Form& form_;
    ControlKind kind_;
    const ControlDesign design_;
    TwipsRect rect_;
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
    CaptionedControl(Form& form, ControlKind kind, ControlDesign design);
    // Runs after the caption has changed and been notified.
    virtual void captionChanged() {}

private:
    Text caption_;
};

}  // namespace kanmeri::model
