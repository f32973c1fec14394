#pragma once
// The seven kinds of control and their run-time surface.
#include "model/control.h"

namespace kanmeri::model {

enum class Alignment { Left, Centre };

struct TextBoxDesign {
    Alignment alignment = Alignment::Left;
};

class TextBox : public Control {
public:
    TextBox(Form& form, ControlDesign design, TextBoxDesign box, Frame* parent = nullptr);

    [[nodiscard]] const Text& text() const { return text_; }
    // Caret position in UTF-16 code units, 0..text().size().
    [[nodiscard]] std::size_t caret() const { return caret_; }
    [[nodiscard]] Alignment alignment() const { return box_.alignment; }

    // Assignment by a handler: the caret goes to the start of the new text;
    // Change fires when the text differs from the old one.
    void setText(Text text);
    // The text and caret as the user's typing or pasting left them; Change
    // fires when the text differs.
    void edit(Text text, std::size_t caret);

    [[nodiscard]] bool canTakeFocus() const override { return true; }

    Event<> change;
    Event<> click;
    Event<std::int16_t> keyPress;

private:
    void replace(Text text, std::size_t caret);

    TextBoxDesign box_;
    Text text_;
    std::size_t caret_ = 0;
};

struct LabelDesign {
    bool border = false;    // 2 px sunken border
    bool autoSize = false;  // takes the size of its caption on one line
    Alignment alignment = Alignment::Left;
};

class Label : public CaptionedControl {
public:
    Label(Form& form, ControlDesign design, Text caption, LabelDesign label,
          Frame* parent = nullptr);

    [[nodiscard]] bool border() const { return label_.border; }
    [[nodiscard]] bool autoSize() const { return label_.autoSize; }
    [[nodiscard]] Alignment alignment() const { return label_.alignment; }

    Event<> click;

private:
    LabelDesign label_;
};

class CommandButton : public CaptionedControl {
public:
    CommandButton(Form& form, ControlDesign design, Text caption, Frame* parent = nullptr);

    [[nodiscard]] bool canTakeFocus() const override { return true; }

    Event<> click;
};

// A container of option buttons; the buttons inside one frame are one group.
class Frame : public CaptionedControl {
public:
    Frame(Form& form, ControlDesign design, Text caption);
};

class OptionButton : public CaptionedControl {
public:
    OptionButton(Form& form, ControlDesign design, Text caption, bool selected,
                 Frame* parent = nullptr);

    [[nodiscard]] bool value() const { return value_; }
    // Selects this button and clears the others of its group; notifies
    // Property::Value for every button whose value changed.
    void select();

    [[nodiscard]] bool canTakeFocus() const override { return true; }

private:
    bool value_;
};

class Shape;

struct ShapeDesign {
    Rgb fill = 0xFFFFFF;
    Rgb border = 0x000000;       // 1 px
    const Shape* bar = nullptr;  // the outline whose share this shape fills, if any
};

class Shape : public Control {
public:
    Shape(Form& form, ControlDesign design, ShapeDesign shape);

    [[nodiscard]] Rgb fill() const { return shape_.fill; }
    [[nodiscard]] Rgb borderColour() const { return shape_.border; }
    [[nodiscard]] float width() const { return rect().width; }
    // Keeps the left edge; notifies Property::Geometry on a change.
    void setWidth(float twips);
    // For the filled part of a bar, the share of its outline it fills as a
    // whole percentage ("0%" to "100%"); empty for any other shape.
    [[nodiscard]] Text description() const override;

private:
    ShapeDesign shape_;
};

class Timer : public Control {
public:
    Timer(Form& form, ControlDesign design, int intervalMs, bool enabled);

    [[nodiscard]] int interval() const { return interval_; }
    // Whether it ticks while its window is loaded (see Program::dispatch).
    [[nodiscard]] bool enabled() const { return enabled_; }

    Event<> timer;

private:
    int interval_;
    bool enabled_;
};

}  // namespace kanmeri::model
