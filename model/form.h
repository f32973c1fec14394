#pragma once
// A loaded window's controls and variables: every load makes a new form from
// the design, so nothing of an earlier load survives.
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "model/control.h"

namespace kanmeri::model {

class OptionButton;
class Window;

class Form {
public:
    using Observer = std::function<void(Control&, Property)>;

    explicit Form(Window& window) : window_(window) {}
    virtual ~Form() = default;

    [[nodiscard]] Window& window() const { return window_; }

    // Makes a control of kind T from its row, stacked above those made before.
    template <typename T>
    T& add(ControlDesign design) {
        auto control = std::make_unique<T>(*this, std::move(design));
        T& ref = *control;
        controls_.push_back(std::move(control));
        return ref;
    }

    // In creation order: later ones stacked above earlier ones.
    [[nodiscard]] const std::vector<std::unique_ptr<Control>>& controls() const {
        return controls_;
    }

    // The controls that take the focus (text boxes, buttons, options) by tab position.
    [[nodiscard]] std::vector<Control*> tabOrder() const;
    // Where the focus goes at load: the first in tab order (an option group's selected button).
    [[nodiscard]] Control* firstFocusable() const;
    // The option buttons sharing a frame with `button`, itself included.
    [[nodiscard]] std::vector<OptionButton*> group(const OptionButton& button) const;

    // True once the window's Load has returned and until it is unloaded.
    [[nodiscard]] bool live() const { return live_; }

    // The one observer (the view that draws the form) hears every change.
    void setObserver(Observer observer) { observer_ = std::move(observer); }
    void notify(Control& control, Property property) const;

private:
    friend class Window;

    Window& window_;
    std::vector<std::unique_ptr<Control>> controls_;
    Observer observer_;
    bool live_ = false;
};

}  // namespace kanmeri::model
