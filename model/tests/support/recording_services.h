#pragma once
// A recording fake of the window services, the text measure and the clock,
// for tests that run handlers with no screen. Every service call is kept in
// order; the time is whatever the test sets.
#include <optional>
#include <vector>

#include "model/clock.h"
#include "model/controls.h"
#include "model/program.h"
#include "model/services.h"
#include "model/text.h"
#include "model/text_measure.h"

namespace kanmeri::testing {

struct ServiceCall {
    enum class Kind { MessageBox, Beep, SetFocus, ShowWindow, UnloadWindow, EndProgram };

    Kind kind;
    model::Text text;  // message text, or the name of the control or window
    model::MessageStyle style = model::MessageStyle::OkOnly;
    std::optional<model::Text> title;

    friend bool operator==(const ServiceCall&, const ServiceCall&) = default;
};

// Shorthands for expected calls.
ServiceCall messageCall(model::Text text, model::MessageStyle style,
                        std::optional<model::Text> title = std::nullopt);
ServiceCall beepCall();
ServiceCall focusCall(model::Text controlName);

// Measures text in a fixed pitch: a code unit below U+0100 half an em, any
// other a whole em (the font's pixel size), the sum rounded up; a line is
// one em high.
class RecordingServices : public model::WindowServices, public model::TextMeasure {
public:
    RecordingServices();

    void messageBox(const model::Text& text, model::MessageStyle style,
                    const std::optional<model::Text>& title) override;
    void beep() override;
    void setFocus(model::TextBox& box) override;
    void showWindow(model::Window& window) override;
    void unloadWindow(model::Window& window) override;
    void endProgram() override;
    [[nodiscard]] model::ScreenSize screenSize() const override { return screen; }
    int runEventLoop() override { return 0; }
    [[nodiscard]] model::TextExtent oneLine(model::TextView text,
                                            const model::Font& font) const override;

    // Runs an action as the event loop would deliver it (see Program::dispatch):
    // an event of `source`, or with none a handler of no control's.
    void dispatch(const model::Control* source, const std::function<void()>& action) {
        ended = program.dispatch(source, action) || ended;
    }
    void dispatch(const std::function<void()>& handler) { dispatch(nullptr, handler); }
    // Raises `event` of `source` with `args`, as the event loop delivers it.
    template <typename... Params, typename... Args>
    void raise(const model::Control& source, const model::Event<Params...>& event, Args... args) {
        dispatch(&source, [&] { event.raise(args...); });
    }

    // Calls of one kind, or all but the incidental focus moves.
    [[nodiscard]] std::vector<ServiceCall> callsOf(ServiceCall::Kind kind) const;
    [[nodiscard]] std::vector<ServiceCall> withoutFocus() const;
    // Name of the control that set focus reached last, if any.
    [[nodiscard]] std::optional<model::Text> lastFocus() const;
    // The control that holds the focus, as a real screen would track it.
    [[nodiscard]] model::TextBox* focused() const { return focused_; }
    void clear() { calls.clear(); }

    std::vector<ServiceCall> calls;
    model::ScreenSize screen{19200.0F, 10800.0F};  // 1280 x 720 px
    model::Program program;
    bool ended = false;  // endProgram was called, or no window was left loaded

private:
    model::TextBox* focused_ = nullptr;
};

class FakeClock : public model::Clock {
public:
    [[nodiscard]] model::LocalTime read() const override { return {date, time}; }

    model::Date date{2000, 1, 1};
    model::TimeOfDay time{0, 0, 0};
};

}  // namespace kanmeri::testing
