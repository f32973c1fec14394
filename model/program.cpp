#include "model/program.h"

#include <algorithm>

#include "model/window.h"

namespace kanmeri::model {

bool Program::anyLoaded() const {
    return std::any_of(windows_.begin(), windows_.end(),
                       [](const Window* window) { return window->loaded(); });
}

bool Program::dispatch(const std::function<void()>& handler) {
    ++depth_;
    try {
        handler();
    } catch (...) {
        // Only handlers without a trap get here; the event is dropped and the
        // program goes on, as it would after any other ignored event.
    }
    --depth_;
    if (depth_ > 0) {
        return false;
    }
    for (Window* window : windows_) {
        window->releaseRetired();
    }
    return !anyLoaded();
}

void Program::unloadAll() {
    for (Window* window : windows_) {
        window->unload();
    }
}

}  // namespace kanmeri::model
