#pragma once
// The program's windows and the rules for running their handlers:
// - an event reaches its handler only while the form of the control that
//   raised it is live (its window's Load has returned and the window has not
//   been unloaded since), so nothing acts on a window that is gone;
// - the program ends when no window remains loaded and no handler is running.
#include <vector>

#include "model/control.h"
#include "model/form.h"

namespace kanmeri::model {

class Window;

class Program {
public:
    void add(Window& window) { windows_.push_back(&window); }
    [[nodiscard]] const std::vector<Window*>& windows() const { return windows_; }
    [[nodiscard]] bool anyLoaded() const;

    // The one way in for everything the event loop delivers: `action` raises
    // an event of `source` (a user's event, a timer tick, a change the user
    // made to it), and runs only while the source's form is live; with no
    // source it is a handler of no control's (the program's start, a window's
    // close box). After the outermost action the retired forms are released,
    // and the result says whether the program should end now because no
    // window remains loaded.
    //
    // A failure that escapes the action (only a handler without a trap lets
    // one out) ends the event there and the program goes on; a build with
    // KANMERI_STRICT_HANDLERS stops the program on it instead, so that the
    // suite cannot miss one.
    template <typename Action>
    bool dispatch(const Control* source, Action&& action) {
        ++depth_;
        try {
            if (source == nullptr || source->form().live()) {
                action();
            }
        } catch (...) {
            escaped();
        }
        return leave();
    }

private:
    static void escaped();
    bool leave();

    std::vector<Window*> windows_;
    int depth_ = 0;
};

}  // namespace kanmeri::model
