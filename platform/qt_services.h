#pragma once
// The window services on Qt Widgets; every event reaches the model through a
// Delivery (platform/delivery.h). Needs a live Application.
#include <ctime>
#include <functional>
#include <memory>

#include "model/clock.h"
#include "model/program.h"
#include "model/services.h"

namespace kanmeri::platform {

class WindowFrame;

class QtServices : public model::WindowServices {
public:
    // `frame` must outlive the services.
    QtServices(model::Program& program, WindowFrame& frame);
    ~QtServices() override;

    void messageBox(const model::Text& text, model::MessageStyle style,
                    const std::optional<model::Text>& title) override;
    void beep() override;
    void setFocus(model::TextBox& box) override;
    void showWindow(model::Window& window) override;
    void unloadWindow(model::Window& window) override;
    void endProgram() override;
    [[nodiscard]] model::ScreenSize screenSize() const override;
    int runEventLoop() override;

    // Runs a handler of no control's (the program's start) as the event loop
    // delivers it.
    void deliver(const std::function<void()>& handler);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// The machine's local date and time of day; a changed time zone shows from
// the next second on.
class QtClock : public model::Clock {
public:
    [[nodiscard]] model::LocalTime read() const override;

private:
    mutable std::time_t zoneReadAt_ = -1;  // the second in which the zone was last read
};

}  // namespace kanmeri::platform
