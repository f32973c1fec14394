#include "windows/app_windows.h"

namespace kanmeri::windows {

AppWindows::AppWindows(model::WindowServices& services, const model::TextMeasure& measure,
                       const model::Clock& clock)
    : main(services, measure, clock, this->clock), clock(services, measure, clock, main) {}

void AppWindows::registerWith(model::Program& program) {
    program.add(main);
    program.add(clock);
}

}  // namespace kanmeri::windows
