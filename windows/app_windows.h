#pragma once
// The program's two windows, each a single instance that is loaded, unloaded
// and loaded again; they switch to each other through the given services.
#include "model/clock.h"
#include "model/program.h"
#include "model/services.h"
#include "model/window.h"
#include "windows/clock_window.h"
#include "windows/main_window.h"

namespace kanmeri::windows {

class AppWindows {
public:
    // Both references must outlive this object.
    AppWindows(model::WindowServices& services, const model::Clock& clock);
    AppWindows(const AppWindows&) = delete;
    AppWindows& operator=(const AppWindows&) = delete;

    model::Window& main();                       // "kanmeri"
    model::Window& clock();                      // "kanmeri_jikoku"
    void registerWith(model::Program& program);  // adds both windows

    MainWindow& mainWindow() { return main_; }
    ClockWindow& clockWindow() { return clock_; }

private:
    // Each window refers to the other; only the references are taken while
    // the other is being constructed.
    MainWindow main_;
    ClockWindow clock_;
};

}  // namespace kanmeri::windows
