#pragma once
// A small window with one control of every kind, whose handlers only record
// what reached them; the widget tests drive the platform with it.
#include <functional>
#include <vector>

#include "model/controls.h"
#include "model/services.h"
#include "model/window.h"

namespace kanmeri::platform::testing {

class ScratchForm : public model::Form {
public:
    explicit ScratchForm(model::Window& window);

    model::Shape& outline;  // a graphic
    model::Shape& filled;   // the bar filling its share of the outline
    model::Label& boxed;    // border, auto-size
    model::Label& wrapped;  // fixed size, centred
    model::Label& clicky;   // Click bound
    model::Frame& frame;
    model::OptionButton& first;  // selected at load
    model::OptionButton& second;
    model::TextBox& entry;   // named by its row, not by what is typed
    model::TextBox& digits;  // centred
    model::CommandButton& press;
    model::CommandButton& quit;
    model::Timer& timer;
};

class ScratchWindow : public model::Window {
public:
    explicit ScratchWindow(model::WindowServices& services);

    [[nodiscard]] ScratchForm& scratch() const { return static_cast<ScratchForm&>(form()); }

    std::vector<model::Text> events;  // "KeyPress 97", "Change", "Click press", ...
    int ticks = 0;
    std::function<void()> onPress;  // what the button "press" does besides recording
    std::function<void()> onTick;   // what a tick of "timer" does besides counting

protected:
    std::unique_ptr<model::Form> createForm() override;
    void formLoad() override;

private:
    model::WindowServices& services_;
};

}  // namespace kanmeri::platform::testing
