#pragma once
// The main window "kanmeri": weekday lookup, fortune draw, running clock with
// its seconds bar, and the buttons that end or switch to the clock window.
#include <memory>

#include "features/fortune.h"
#include "model/controls.h"
#include "model/form.h"
#include "windows/app_window.h"

namespace kanmeri::windows {

// One load of the main window: its controls as designed, made and so stacked
// in the order declared here (bottom first), and its fortune variables.
class MainForm : public model::Form {
public:
    explicit MainForm(model::Window& window);

    model::Timer& Timer1;  // 100 ms: the date and time labels
    model::Timer& Timer2;  // 2000 ms: the seconds bar
    model::Shape& shpwaku;
    model::Shape& shpscale;
    model::Label& dspdate;
    model::Label& dsptime;
    model::Label& dsp01;
    model::Label& Label5;
    model::Label& Label6;
    model::Label& outyoubi;
    model::Label& Label1;
    model::Label& start;
    model::Label& stop;  // "ＧＯ", clicked like a button
    model::Label& secdisp;
    model::Label& lblgoto;
    model::Label& Label2;
    model::Frame& Frame1;
    model::OptionButton& outtime0;  // outtime(0), 12-hour form, selected at load
    model::OptionButton& outtime1;  // outtime(1), 24-hour form
    model::TextBox& inymd;
    model::CommandButton& noBotan;  // "noﾎﾞﾀﾝ"
    model::CommandButton& okBotan;  // "okﾎﾞﾀﾝ"
    model::TextBox& insuu;
    model::CommandButton& Command1;  // ends the program
    model::CommandButton& Command2;  // switches to the clock window

    features::FortuneState fortune;
};

[[nodiscard]] model::WindowDesign mainWindowDesign();

class MainWindow : public AppWindow<MainForm> {
public:
    // `clockWindow` is the window that Command2 switches to.
    MainWindow(model::WindowServices& services, const model::TextMeasure& measure,
               const model::Clock& clock, model::Window& clockWindow)
        : AppWindow(mainWindowDesign(), services, measure, clock, clockWindow) {}

protected:
    // Binds every event of the new form to its handler.
    [[nodiscard]] std::unique_ptr<model::Form> createForm() override;
    // Form_Load: centre on the screen, then fill the fortune table.
    void formLoad() override;

private:
    void Command1_Click();
    void Command2_Click();
};

}  // namespace kanmeri::windows
