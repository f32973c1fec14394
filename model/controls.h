#pragma once
// The seven kinds of control and their run-time surface. Each is made from
// its design row (ControlDesign) on a form.
#include <utility>

#include "model/control.h"
#include "model/event.h"

namespace kanmeri::model {

class TextBox : public Control {
public:
    TextBox(Form& form, ControlDesign design);

    [[nodiscard]] const Text& text() const { return text_; }
    // Caret position in UTF-16 code units, 0..text().size().
    [[nodiscard]] std::size_t caret() const { return caret_; }

    // A handler's assignment, the caret at the start; Change fires on a difference.
    void setText(Text text) { edit(std::move(text), 0); }
    // The text and caret as the user's edit left them; Change fires on a difference.
    void edit(Text text, std::size_t caret);

    Event<> change;
    Event<> click;
    Event<std::int16_t> keyPress;

private:
    Text text_;
    std::size_t caret_ = 0;
};

class Label : public CaptionedControl {
public:
    // The border's width on each side, in pixels.
    static constexpr int kBorderPixels = 2;

    // An auto-size label takes the size of its caption at once.
    Label(Form& form, ControlDesign design);

    Event<> click;

private:
    // With auto-size: the caption's one-line extent plus the border; the top-left stays.
    void captionChanged() override;
};

class CommandButton : public CaptionedControl {
public:
    CommandButton(Form& form, ControlDesign design)
        : CaptionedControl(form, ControlKind::CommandButton, std::move(design)) {}

    Event<> click;
};

// A container of option buttons; the buttons inside one frame are one group.
class Frame : public CaptionedControl {
public:
    Frame(Form& form, ControlDesign design)
        : CaptionedControl(form, ControlKind::Frame, std::move(design)) {}
};

class OptionButton : public CaptionedControl {
public:
    OptionButton(Form& form, ControlDesign design);

    [[nodiscard]] bool value() const { return value_; }
    // Selects this button and clears the others of its group; notifies
    // Property::Value for every button whose value changed.
    void select();

private:
    bool value_;
};

class Shape : public Control {
public:
    Shape(Form& form, ControlDesign design)
        : Control(form, ControlKind::Shape, std::move(design)) {}

    [[nodiscard]] float width() const { return rect().width; }
    // Keeps the left edge; notifies Property::Geometry on a change.
    void setWidth(float twips);
    // For the filled part of a bar, the share of its outline it fills as a
    // whole percentage ("0%" to "100%"); empty for any other shape.
    [[nodiscard]] Text description() const override;
};

// Ticks every interval while its window is loaded (see Program::dispatch), on
// the wall clock's grid: kTickMarginMs after each multiple of the interval
// since the epoch (in local time too, its offsets being whole minutes), so
// timers due at one instant tick together. A tick more than kTickSlackMs
// later is off the grid (the clock was set, or the tick came an interval
// late), and puts the timer back on it: within one interval of the clock being
// set, a tick shows the new time, with no watch on the clock.
class Timer : public Control {
public:
    // After the grid point, so that the clock a handler reads has passed it.
    static constexpr int kTickMarginMs = 2;
    static constexpr int kTickSlackMs = 4;

    Timer(Form& form, ControlDesign design)
        : Control(form, ControlKind::Timer, std::move(design)) {}

    Event<> timer;
};

// Milliseconds, 1 to `intervalMs` (> 0), from `nowMs`, the wall clock in
// milliseconds since the epoch (at least kTickMarginMs), to the next grid
// tick of a timer of that interval.
[[nodiscard]] int msToTick(std::int64_t nowMs, int intervalMs);

}  // namespace kanmeri::model
