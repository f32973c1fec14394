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

// What changed on a control; passed to the form's observer.
enum class Property { Text, Caption, Value, Geometry };

// Design-time values shared by every kind of control.
struct ControlDesign {
    Text name;                          // exact, unique in the window (arrays share it)
    std::optional<std::int16_t> index;  // set for members of a control array
    TwipsRect rect;                     // relative to the parent (window or frame)
    int tabIndex = -1;                  // -1 for controls without a tab position
    Style style;
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
    // Notifies Property::Caption when the caption differs.
    void setCaption(Text caption);

protected:
    CaptionedControl(Form& form, ControlKind kind, ControlDesign design, Frame* parent,
                     Text caption);

private:
    Text caption_;
};

}  // namespace kanmeri::model
