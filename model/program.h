#pragma once
// The program's windows and the rules for running their handlers: an event
// reaches its handler only while its control's form is live (Load has returned
// and the window has not been unloaded since), and the program ends when no
// window remains loaded and no handler is running.
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

    // The one way in for all the event loop delivers: `action` raises an
    // event of `source` (user event, timer tick, user's edit) while the
    // source's form is live; with no source it is a handler of no control's
    // (the start, a close box). After the outermost action the retired forms
    // are released; true when no window remains loaded, so the program ends.
    // A failure that escapes an untrapped handler ends the event there and
    // the program goes on; a KANMERI_STRICT_HANDLERS build stops instead.
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
