// The work the event loop does on every timer tick of a loaded main window,
// measured on the real window model with the recording services (no screen):
// a Timer1 refresh when no caption changes (nine ticks in ten) and when the
// second has moved on, a Timer2 bar resize, and one switch to the clock
// window and back, which rebuilds both forms.
#include <benchmark/benchmark.h>

#include "features/running_clock.h"
#include "model/tests/support/recording_services.h"
#include "windows/app_windows.h"

namespace {

using kanmeri::testing::FakeClock;
using kanmeri::testing::RecordingServices;
using kanmeri::windows::AppWindows;
using kanmeri::windows::MainForm;

struct LoadedMain {
    LoadedMain() {
        windows.registerWith(services.program);
        services.dispatch([this] { services.showWindow(windows.main); });
        services.clear();
    }
    MainForm& form() { return windows.main.controls(); }
    // One tick as the event loop delivers it.
    void tick(const kanmeri::model::Timer& timer) { services.raise(timer, timer.timer); }
    // Moves the fake clock on by `seconds`, within the minute.
    void advance(int seconds) { clock.time.second = (clock.time.second + seconds) % 60; }

    RecordingServices services;
    FakeClock clock;
    AppWindows windows{services, services, clock};
};

void BM_Timer1_sameSecond(benchmark::State& state) {
    LoadedMain app;
    app.tick(app.form().Timer1);
    for (auto _ : state) {
        app.tick(app.form().Timer1);
    }
    benchmark::DoNotOptimize(app.form().dsptime.caption().data());
}
BENCHMARK(BM_Timer1_sameSecond);

void BM_Timer1_secondChanged(benchmark::State& state) {
    LoadedMain app;
    for (auto _ : state) {
        app.advance(1);
        app.tick(app.form().Timer1);
    }
    benchmark::DoNotOptimize(app.form().dsptime.caption().data());
}
BENCHMARK(BM_Timer1_secondChanged);

// The handler alone, without the dispatch and event binding around it.
void BM_Timer1Handler_secondChanged(benchmark::State& state) {
    LoadedMain app;
    MainForm& form = app.form();
    const kanmeri::features::ClockDisplay display{form.dspdate, form.dsptime, form.outtime0};
    for (auto _ : state) {
        app.advance(1);
        kanmeri::features::Timer1_Timer(display, app.clock);
    }
    benchmark::DoNotOptimize(form.dsptime.caption().data());
}
BENCHMARK(BM_Timer1Handler_secondChanged);

void BM_Timer2_secondChanged(benchmark::State& state) {
    LoadedMain app;
    for (auto _ : state) {
        app.advance(2);
        app.tick(app.form().Timer2);
    }
    benchmark::DoNotOptimize(app.form().shpscale.width());
}
BENCHMARK(BM_Timer2_secondChanged);

void BM_switchToClockAndBack(benchmark::State& state) {
    LoadedMain app;
    for (auto _ : state) {
        app.services.raise(app.form().Command2, app.form().Command2.click);
        const auto& back = app.windows.clock.controls().Command1;
        app.services.raise(back, back.click);
        app.services.clear();
    }
}
BENCHMARK(BM_switchToClockAndBack);

}  // namespace

BENCHMARK_MAIN();
