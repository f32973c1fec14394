#pragma once
// Both windows over the recording services and a fake clock, started as the
// program's entry starts them.
#include "model/tests/support/recording_services.h"
#include "windows/app_windows.h"

namespace kanmeri::windows::testing {

using kanmeri::testing::ServiceCall;

struct Harness {
    // How far the program has got once the harness is built.
    enum Start { kUnstarted, kStarted, kOnClock };

    explicit Harness(Start start = kUnstarted) {
        windows.registerWith(services.program);
        if (start != kUnstarted) {
            this->start();
        }
        if (start == kOnClock) {
            toClock();
        }
    }

    // The entry: load and show the main window.
    void start() {
        services.dispatch([this] { services.showWindow(windows.main); });
    }
    void dispatch(const std::function<void()>& handler) { services.dispatch(handler); }

    MainForm& main() { return windows.main.controls(); }
    ClockForm& clock() { return windows.clock.controls(); }
    void toClock() {
        dispatch([this] { main().Command2.click.raise(); });
    }
    void toMain() {
        dispatch([this] { clock().Command1.click.raise(); });
    }

    kanmeri::testing::RecordingServices services;
    kanmeri::testing::FakeClock fakeClock;
    AppWindows windows{services, services, fakeClock};
};

inline ServiceCall showCall(model::Text window) {
    return {ServiceCall::Kind::ShowWindow, std::move(window), {}, std::nullopt};
}
inline ServiceCall unloadCall(model::Text window) {
    return {ServiceCall::Kind::UnloadWindow, std::move(window), {}, std::nullopt};
}
inline ServiceCall endCall() {
    return {ServiceCall::Kind::EndProgram, {}, {}, std::nullopt};
}

}  // namespace kanmeri::windows::testing
