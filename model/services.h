#pragma once
// What the handlers need of a screen. Every call is synchronous and runs on
// the event loop.
#include <optional>

#include "model/geometry.h"
#include "model/text.h"

namespace kanmeri::model {

class TextBox;
class Window;

enum class MessageStyle : int {
    OkOnly = 0,        // OK button, no icon
    Exclamation = 48,  // OK button with the warning icon
};

class WindowServices {
public:
    virtual ~WindowServices() = default;

    // A modal box, titled kApplicationTitle by default; returns when dismissed.
    virtual void messageBox(const Text& text, MessageStyle style,
                            const std::optional<Text>& title) = 0;
    // The desktop's alert sound; silent where there is none.
    virtual void beep() = 0;
    virtual void setFocus(TextBox& box) = 0;
    // Loads the window if unloaded (its Load handler runs first) and shows it.
    virtual void showWindow(Window& window) = 0;
    // Hides and unloads the window; its timers stop.
    virtual void unloadWindow(Window& window) = 0;
    // Unloads every window at once; no further handler runs.
    virtual void endProgram() = 0;
    // The whole primary screen, in twips.
    [[nodiscard]] virtual ScreenSize screenSize() const = 0;
    // Delivers events to the handlers until the program ends; the exit status.
    virtual int runEventLoop() = 0;
};

}  // namespace kanmeri::model
