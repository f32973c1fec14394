#pragma once
// The window services on Qt Widgets. Every user event and timer tick reaches
// the model through Program::dispatch; when a dispatch leaves no window
// loaded, the event loop ends with status 0. Needs a live Application.
#include <functional>
#include <memory>

#include "model/program.h"
#include "model/services.h"

class QWidget;

namespace kanmeri::platform {

class QtServices : public model::WindowServices {
public:
    explicit QtServices(model::Program& program);
    QtServices(const QtServices&) = delete;
    QtServices& operator=(const QtServices&) = delete;
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

    // Runs one handler as the event loop delivers it.
    void deliver(const std::function<void()>& handler);

    // The view drawing a loaded window (a platform FormView), or null.
    [[nodiscard]] QWidget* viewOf(const model::Window& window) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace kanmeri::platform
