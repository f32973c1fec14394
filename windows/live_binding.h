#pragma once
// Binding a control's event so that it reaches its handler only while the
// control's form is the loaded form of its window. A form retired by an unload
// stays in memory until the running handler returns; anything it still raises
// (a queued click, a late key) is dropped instead of acting on a window that is
// gone, e.g. ending the program from a main window already replaced.
#include <utility>

#include "model/event.h"
#include "model/form.h"
#include "model/window.h"

namespace kanmeri::windows {

[[nodiscard]] inline bool isCurrent(const model::Form& form) {
    const model::Window& window = form.window();
    return window.loaded() && &window.form() == &form;
}

template <typename... Args, typename Handler>
void bindLive(model::Event<Args...>& event, const model::Form& form, Handler handler) {
    event.bind([&form, handler = std::move(handler)](Args... args) {
        if (isCurrent(form)) {
            handler(args...);
        }
    });
}

}  // namespace kanmeri::windows
