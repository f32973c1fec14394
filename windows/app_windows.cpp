#include "windows/app_windows.h"

namespace kanmeri::windows {

AppWindows::AppWindows(model::WindowServices& services, const model::Clock& clock)
    : main(services, clock, this->clock), clock(services, clock, main) {}

void AppWindows::registerWith(model::Program& program) {
    program.add(main);
    program.add(clock);
}

}  // namespace kanmeri::windows
