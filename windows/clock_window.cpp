#include "windows/clock_window.h"

#include <functional>

#include "features/running_clock.h"
#include "windows/fonts.h"

namespace kanmeri::windows {

constexpr model::Rgb kGreen = 0x008000;
constexpr model::Rgb kFrameBack = 0xFFFFFB;

// One row per control, bottom first; rectangles in twips.
// clang-format off
ClockForm::ClockForm(model::Window& window)
    : model::Form(window),
      Timer1(add<model::Timer>({.name = u"Timer1", .interval = 100})),
      dspdate(add<model::Label>({.name = u"dspdate", .rect = {120, 480, 3075, 300}, .tab = 0, .caption = u"xxxxxxxxxxxxxxxxxxxxxxxxx", .font = boldItalic(12), .fore = kGreen, .border = true, .autoSize = true})),
      dsptime(add<model::Label>({.name = u"dsptime", .rect = {120, 1080, 1875, 300}, .tab = 1, .caption = u"  12:01:02(am)  ", .font = boldItalic(12), .fore = kGreen, .border = true, .autoSize = true})),
      dsp01(add<model::Label>({.name = u"dsp01", .rect = {0, 0, 3135, 255}, .tab = 2, .caption = u"   ただ今の日付と時刻です", .font = bold(11.25F), .fore = kGreen})),
      Frame1(add<model::Frame>({.name = u"Frame1", .rect = {2280, 840, 2055, 615}, .tab = 3, .caption = u"時刻表示切替", .font = bold(9.75F), .fore = 0x000000, .back = kFrameBack})),
      outtime0(add<model::OptionButton>({.name = u"outtime", .index = 0, .rect = {0, 240, 975, 255}, .tab = 4, .caption = u"１２時間", .font = bold(8.25F), .back = kFrameBack, .frame = &Frame1})),
      outtime1(add<model::OptionButton>({.name = u"outtime", .index = 1, .rect = {960, 240, 975, 255}, .tab = 5, .caption = u"２４時間", .font = bold(8.25F), .fore = 0x000000, .back = kFrameBack, .frame = &Frame1, .selected = true})),
      Command1(add<model::CommandButton>({.name = u"Command1", .rect = {3480, 0, 855, 375}, .tab = 6, .caption = u"戻\u3000る", .font = bold(9)})) {}
// clang-format on

model::WindowDesign clockWindowDesign() {
    return {u"kanmeri_jikoku",           u"日付と時刻の表示",          4365, 1575, 0xFFFFFF,
            ":/kanmeri/paper_white.jpg", ":/kanmeri/face_computer.ico"};
}

std::unique_ptr<model::Form> ClockWindow::createForm() {
    auto form = std::make_unique<ClockForm>(*this);
    const features::ClockDisplay display{form->dspdate, form->dsptime, form->outtime0};
    form->Timer1.timer.bind(std::bind_front(&features::Timer1_Timer, display, std::cref(clock_)));
    form->Command1.click.bind(std::bind_front(&ClockWindow::Command1_Click, this));
    return form;
}

void ClockWindow::Command1_Click() {
    // For a moment no window is loaded; the program only ends once this
    // handler has returned with none loaded, and by then the main one is.
    services_.unloadWindow(*this);
    services_.showWindow(other_);
}

}  // namespace kanmeri::windows
