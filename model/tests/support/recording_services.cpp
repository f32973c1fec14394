#include "model/tests/support/recording_services.h"

#include <algorithm>
#include <cmath>

#include "model/controls.h"
#include "model/window.h"

namespace kanmeri::testing {

using model::Text;

namespace {

// A call that carries no message: every field given, as -Wextra asks.
ServiceCall callOf(ServiceCall::Kind kind, Text text = {}) {
    return {kind, std::move(text), model::MessageStyle::OkOnly, std::nullopt};
}

}  // namespace

ServiceCall messageCall(Text text, model::MessageStyle style, std::optional<Text> title) {
    return {ServiceCall::Kind::MessageBox, std::move(text), style, std::move(title)};
}

ServiceCall beepCall() {
    return callOf(ServiceCall::Kind::Beep);
}

ServiceCall focusCall(Text controlName) {
    return callOf(ServiceCall::Kind::SetFocus, std::move(controlName));
}

RecordingServices::RecordingServices() = default;

void RecordingServices::messageBox(const Text& text, model::MessageStyle style,
                                   const std::optional<Text>& title) {
    calls.push_back(messageCall(text, style, title));
}

void RecordingServices::beep() {
    calls.push_back(beepCall());
}

void RecordingServices::setFocus(model::TextBox& box) {
    calls.push_back(focusCall(box.name()));
    focused_ = &box;
}

void RecordingServices::showWindow(model::Window& window) {
    calls.push_back(callOf(ServiceCall::Kind::ShowWindow, window.design().name));
    if (std::find(program.windows().begin(), program.windows().end(), &window) ==
        program.windows().end()) {
        program.add(window);
    }
    window.load();
}

void RecordingServices::unloadWindow(model::Window& window) {
    calls.push_back(callOf(ServiceCall::Kind::UnloadWindow, window.design().name));
    if (focused_ != nullptr && &focused_->form().window() == &window) {
        focused_ = nullptr;
    }
    window.unload();
}

void RecordingServices::endProgram() {
    calls.push_back(callOf(ServiceCall::Kind::EndProgram));
    focused_ = nullptr;
    for (model::Window* window : program.windows()) {
        window->unload();
    }
    ended = true;
}

model::TextExtent RecordingServices::oneLine(model::TextView text, const model::Font& font) const {
    const int em = static_cast<int>(std::lround(font.pixels()));
    int halves = 0;
    for (const char16_t unit : text) {
        halves += unit < 0x100 ? 1 : 2;
    }
    return {(halves * em + 1) / 2, em};
}

std::vector<ServiceCall> RecordingServices::callsOf(ServiceCall::Kind kind) const {
    std::vector<ServiceCall> out;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(out),
                 [kind](const ServiceCall& call) { return call.kind == kind; });
    return out;
}

std::vector<ServiceCall> RecordingServices::withoutFocus() const {
    std::vector<ServiceCall> out;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(out),
                 [](const ServiceCall& call) { return call.kind != ServiceCall::Kind::SetFocus; });
    return out;
}

std::optional<Text> RecordingServices::lastFocus() const {
    for (auto it = calls.rbegin(); it != calls.rend(); ++it) {
        if (it->kind == ServiceCall::Kind::SetFocus) {
            return it->text;
        }
    }
    return std::nullopt;
}

}  // namespace kanmeri::testing
