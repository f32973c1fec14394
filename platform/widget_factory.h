#pragma once
// One widget for one control of a form.
#include <QWidget>
#include <functional>

#include "model/control.h"
#include "platform/deliver.h"

namespace kanmeri::platform {

struct ControlWidget {
    QWidget* widget = nullptr;  // null for controls that draw nothing (timers)
    std::function<void(model::Property)> sync;
};

// `parent` is the view, or the frame's widget for controls inside a frame.
[[nodiscard]] ControlWidget makeWidget(model::Control& control, const Deliver& deliver,
                                       QWidget* parent);

}  // namespace kanmeri::platform
