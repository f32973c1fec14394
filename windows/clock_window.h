#pragma once
// The clock window "kanmeri_jikoku": the running date and time alone, opened
// in the 24-hour form, with a button back to the main window.
#include <memory>

#include "model/clock.h"
#include "model/controls.h"
#include "model/form.h"
#include "model/services.h"
#include "model/window.h"

namespace kanmeri::windows {

// One load of the clock window, made and so stacked in the order declared
// here: the timer, the labels, then the frame with its option group and the
// button.
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

class ClockWindow : public model::Window {
public:
    // `mainWindow` is the window that Command1 brings back.
    ClockWindow(model::WindowServices& services, const model::TextMeasure& measure,
                const model::Clock& clock, model::Window& mainWindow);

    // The loaded form, or the retired one until the running handler returns.
    // Precondition: loaded, or unloaded by the handler still running.
    [[nodiscard]] ClockForm& controls() const;

protected:
    // Binds every event of the new form to its handler.
    [[nodiscard]] std::unique_ptr<model::Form> createForm() override;
    // Form_Load: centre on the screen; nothing else.
    void formLoad() override;

private:
    void Command1_Click();

    model::WindowServices& services_;
    const model::Clock& clock_;
    model::Window& mainWindow_;
};

}  // namespace kanmeri::windows
