#pragma once
// The program's windows and the rule for its end: it ends when no window
// remains loaded and no handler is running.
#include <functional>
#include <vector>

namespace kanmeri::model {

class Window;

class Program {
public:
    void add(Window& window) { windows_.push_back(&window); }
    [[nodiscard]] const std::vector<Window*>& windows() const { return windows_; }
    [[nodiscard]] bool anyLoaded() const;
    [[nodiscard]] bool handlerRunning() const { return depth_ > 0; }

    // Runs one event handler. A failure that escapes it stops there (the
    // handlers that can fail trap their own). After the outermost handler the
    // retired forms are released, and the result says whether the program
    // should end now because no window remains loaded.
    bool dispatch(const std::function<void()>& handler);

    void unloadAll();

private:
    std::vector<Window*> windows_;
    int depth_ = 0;
};

}  // namespace kanmeri::model
