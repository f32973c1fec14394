#include "model/form.h"

#include <algorithm>

#include "model/controls.h"

namespace kanmeri::model {

std::vector<Control*> Form::tabOrder() const {
    std::vector<Control*> order;
    for (const auto& control : controls_) {
        const ControlKind kind = control->kind();
        const bool focusable = kind == ControlKind::TextBox || kind == ControlKind::CommandButton ||
                               kind == ControlKind::OptionButton;
        if (focusable && control->design().tab >= 0) {
            order.push_back(control.get());
        }
    }
    std::stable_sort(order.begin(), order.end(), [](const Control* a, const Control* b) {
        return a->design().tab < b->design().tab;
    });
    return order;
}

Control* Form::firstFocusable() const {
    const std::vector<Control*> order = tabOrder();
    if (order.empty()) {
        return nullptr;
    }
    // An option group is one tab stop, held by its selected button.
    if (order.front()->kind() == ControlKind::OptionButton) {
        for (OptionButton* button : group(static_cast<OptionButton&>(*order.front()))) {
            if (button->value()) {
                return button;
            }
        }
    }
    return order.front();
}

std::vector<OptionButton*> Form::group(const OptionButton& button) const {
    std::vector<OptionButton*> members;
    for (const auto& control : controls_) {
        if (control->kind() == ControlKind::OptionButton && control->parent() == button.parent()) {
            members.push_back(static_cast<OptionButton*>(control.get()));
        }
    }
    return members;
}

void Form::notify(Control& control, Property property) const {
    if (observer_) {
        observer_(control, property);
    }
}

}  // namespace kanmeri::model
