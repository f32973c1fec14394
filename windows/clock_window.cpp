#include "windows/clock_window.h"

#include "features/running_clock.h"
#include "model/centring.h"
#include "windows/design_rows.h"

namespace kanmeri::windows {

namespace {

using model::Role;

constexpr model::Rgb kGreen = 0x008000;
constexpr model::Rgb kFrameBack = 0xFFFFFB;

// clang-format off
const Row kDspdate{u"dspdate", {}, {120, 480, 3075, 300}, 0, u"xxxxxxxxxxxxxxxxxxxxxxxxx", {boldItalic(12), kGreen, {}}, Role::StaticText};
const Row kDsptime{u"dsptime", {}, {120, 1080, 1875, 300}, 1, u"  12:01:02(am)  ", {boldItalic(12), kGreen, {}}, Role::StaticText};
const Row kDsp01{u"dsp01", {}, {0, 0, 3135, 255}, 2, u"   ただ今の日付と時刻です", {bold(11.25F), kGreen, {}}, Role::StaticText};
const Row kFrame1{u"Frame1", {}, {2280, 840, 2055, 615}, 3, u"時刻表示切替", {bold(9.75F), 0x000000, kFrameBack}, Role::Group};
const Row kOuttime0{u"outtime", 0, {0, 240, 975, 255}, 4, u"１２時間", {bold(8.25F), {}, kFrameBack}, Role::Option};
const Row kOuttime1{u"outtime", 1, {960, 240, 975, 255}, 5, u"２４時間", {bold(8.25F), 0x000000, kFrameBack}, Role::Option};
const Row kCommand1{u"Command1", {}, {3480, 0, 855, 375}, 6, u"戻\u3000る", {bold(9), {}, {}}, Role::Button};
// clang-format on

constexpr model::LabelDesign kBorderedAutoSize{.border = true, .autoSize = true};

}  // namespace

ClockForm::ClockForm(model::Window& window)
    : model::Form(window),
      Timer1(addTimer(*this, u"Timer1", 100)),
      dspdate(addLabel(*this, kDspdate, kBorderedAutoSize)),
      dsptime(addLabel(*this, kDsptime, kBorderedAutoSize)),
      dsp01(addLabel(*this, kDsp01, {})),
      Frame1(addFrame(*this, kFrame1)),
      outtime0(addOption(*this, kOuttime0, Frame1, false)),
      outtime1(addOption(*this, kOuttime1, Frame1, true)),
      Command1(addButton(*this, kCommand1)) {}

model::WindowDesign clockWindowDesign() {
    return {u"kanmeri_jikoku",           u"日付と時刻の表示",          4365, 1575, 0xFFFFFF,
            ":/kanmeri/paper_white.jpg", ":/kanmeri/face_computer.ico"};
}

ClockWindow::ClockWindow(model::WindowServices& services, const model::Clock& clock,
                         model::Window& mainWindow)
    : model::Window(clockWindowDesign()),
      services_(services),
      clock_(clock),
      mainWindow_(mainWindow) {}

ClockForm& ClockWindow::controls() const {
    return static_cast<ClockForm&>(form());
}

std::unique_ptr<model::Form> ClockWindow::createForm() {
    auto form = std::make_unique<ClockForm>(*this);
    const features::ClockDisplay display{form->dspdate, form->dsptime, form->outtime0};
    form->Timer1.timer.bind([this, display] { features::Timer1_Timer(display, clock_); });
    form->Command1.click.bind([this] { Command1_Click(); });
    return form;
}

void ClockWindow::formLoad() {
    model::centre(*this, services_.screenSize());
}

void ClockWindow::Command1_Click() {
    // For a moment no window is loaded; the program only ends once this
    // handler has returned with none loaded, and by then the main one is.
    services_.unloadWindow(*this);
    services_.showWindow(mainWindow_);
}

}  // namespace kanmeri::windows
