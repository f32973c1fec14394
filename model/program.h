#pragma once
// The program's windows and the rules for running their handlers:
// - an event reaches its handler only while the form of the control that
//   raised it is live (its window's Load has returned and the window has not
//   been unloaded since), so nothing acts on a window that is gone;
// - the program ends when no window remains loaded and no handler is running.
#include <functional>
#include <vector>

#include "model/control.h"
#include "model/event.h"
#include "model/form.h"

namespace kanmeri::model {

class Window;

class Program {
public:
    void add(Window& window) { windows_.push_back(&window); }
    [[nodiscard]] const std::vector<Window*>& windows() const { return windows_; }
    [[nodiscard]] bool anyLoaded() const;

    // Runs one event of `control` as the event loop delivers it. A failure
    // that escapes the handler stops there (the handlers that can fail trap
    // their own). After the outermost handler the retired forms are released,
    // and the result says whether the program should end now because no
    // window remains loaded.
    template <typename... Params, typename... Args>
    bool dispatch(const Control& control, const Event<Params...>& event, Args... args) {
        enter();
        try {
            if (control.form().live()) {
                event.raise(args...);
            }
        } catch (...) {  // dropped: see leave()
        }
        return leave();
    }
    // The same for a change the user makes to `control` itself (typed text,
    // a chosen option), which raises the control's own events.
    bool dispatch(const Control& control, const std::function<void()>& change);
    // The same for a handler of no control's (a window's load or close).
    bool dispatch(const std::function<void()>& handler);

private:
    void enter() { ++depth_; }
    bool leave();

    std::vector<Window*> windows_;
    int depth_ = 0;
};

}  // namespace kanmeri::model
