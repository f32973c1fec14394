#include "model/program.h"

#include <algorithm>

#include "model/window.h"

namespace kanmeri::model {

bool Program::anyLoaded() const {
    return std::any_of(windows_.begin(), windows_.end(),
                       [](const Window* window) { return window->loaded(); });
}

bool Program::dispatch(const Control& control, const std::function<void()>& change) {
    return dispatch([&] {
        if (control.form().live()) {
            change();
        }
    });
}

bool Program::dispatch(const std::function<void()>& handler) {
    enter();
    try {
        handler();
    } catch (...) {  // dropped: see leave()
    }
    return leave();
}

bool Program::leave() {
    // Only handlers without a trap let a failure out to dispatch; the event is
    // dropped and the program goes on, as it would after any ignored event.
    if (--depth_ > 0) {
        return false;
    }
    for (Window* window : windows_) {
        window->releaseRetired();
    }
    return !anyLoaded();
}

}  // namespace kanmeri::model
