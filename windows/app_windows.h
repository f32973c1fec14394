#pragma once
// The program's two windows, which switch to each other through the given
// services.
#include "model/clock.h"
#include "model/program.h"
#include "model/services.h"
#include "model/text_measure.h"
#include "model/window.h"
#include "windows/clock_window.h"
#include "windows/main_window.h"

namespace kanmeri::windows {

struct AppWindows {
    // Every reference must outlive this object.
    AppWindows(model::WindowServices& services, const model::TextMeasure& measure,
               const model::Clock& clock)
        : main(services, measure, clock, this->clock), clock(services, measure, clock, main) {}

    void registerWith(model::Program& program) {  // adds both windows
        program.add(main);
        program.add(clock);
    }

    // Each window refers to the other; only the references are taken while
    // the other is being constructed.
    MainWindow main;    // "kanmeri"
    ClockWindow clock;  // "kanmeri_jikoku"
};

}  // namespace kanmeri::windows
