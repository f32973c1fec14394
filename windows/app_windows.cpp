#include "windows/app_windows.h"

namespace kanmeri::windows {

AppWindows::AppWindows(model::WindowServices& services, const model::Clock& clock)
    : main_(services, clock, clock_), clock_(services, clock, main_) {}

model::Window& AppWindows::main() {
    return main_;
}

model::Window& AppWindows::clock() {
    return clock_;
}

void AppWindows::registerWith(model::Program& program) {
    program.add(main_);
    program.add(clock_);
}

}  // namespace kanmeri::windows
