#pragma once
// The clock window "kanmeri_jikoku": the running date and time alone, opened
// in the 24-hour form, with a button back to the main window.
#include <memory>

#include "model/controls.h"
#include "model/form.h"
#include "windows/app_window.h"

namespace kanmeri::windows {

// One load of the clock window: its controls as designed, made and so
// stacked in the order declared here (bottom first).
class ClockForm : public model::Form {
public:
    explicit ClockForm(model::Window& window);

    model::Timer& Timer1;  // 100 ms: the date and time labels
    model::Label& dspdate;
    model::Label& dsptime;
    model::Label& dsp01;
    model::Frame& Frame1;
    model::OptionButton& outtime0;   // outtime(0), 12-hour form
    model::OptionButton& outtime1;   // outtime(1), 24-hour form, selected at load
    model::CommandButton& Command1;  // back to the main window
};

[[nodiscard]] model::WindowDesign clockWindowDesign();

class ClockWindow : public AppWindow<ClockForm> {
public:
    // `mainWindow` is the window that Command1 brings back.
    ClockWindow(model::WindowServices& services, const model::TextMeasure& measure,
                const model::Clock& clock, model::Window& mainWindow)
        : AppWindow(clockWindowDesign(), services, measure, clock, mainWindow) {}

protected:
    // Binds every event of the new form to its handler.
    [[nodiscard]] std::unique_ptr<model::Form> createForm() override;

private:
    void Command1_Click();
};

}  // namespace kanmeri::windows
