#include "model/program.h"

#include <algorithm>
#include <exception>

#include "model/window.h"

namespace kanmeri::model {

bool Program::anyLoaded() const {
    return std::any_of(windows_.begin(), windows_.end(),
                       [](const Window* window) { return window->loaded(); });
}

void Program::escaped() {
#ifdef KANMERI_STRICT_HANDLERS
    std::terminate();
#endif
    // Otherwise the event is dropped, as an event nothing is bound to would be.
}

bool Program::leave() {
    if (--depth_ > 0) {
        return false;
    }
    for (Window* window : windows_) {
        window->releaseRetired();
    }
    return !anyLoaded();
}

}  // namespace kanmeri::model
