#include "windows/main_window.h"

#include <functional>

#include "features/running_clock.h"
#include "features/weekday_lookup.h"
#include "windows/fonts.h"

namespace kanmeri::windows {

constexpr model::Rgb kGreen = 0x008000;
constexpr model::Rgb kFrameBack = 0xF1EBCB;

// One row per control, bottom first; rectangles in twips.
// clang-format off
MainForm::MainForm(model::Window& window)
    : model::Form(window),
      Timer1(add<model::Timer>({.name = u"Timer1", .interval = 100})),
      Timer2(add<model::Timer>({.name = u"Timer2", .interval = 2000})),
      shpwaku(add<model::Shape>({.name = u"shpwaku", .rect = {840, 1320, 5415, 135}})),
      shpscale(add<model::Shape>({.name = u"shpscale", .rect = {840, 1320, 735, 135}, .accessibleName = u"秒の進み", .fill = kGreen, .bar = &shpwaku})),
      dspdate(add<model::Label>({.name = u"dspdate", .rect = {840, 840, 3075, 300}, .tab = 1, .caption = u"xxxxxxxxxxxxxxxxxxxxxxxxx", .font = boldItalic(12), .fore = kGreen, .border = true, .autoSize = true})),
      dsptime(add<model::Label>({.name = u"dsptime", .rect = {4320, 840, 1875, 300}, .tab = 2, .caption = u"  12:01:02(am)  ", .font = boldItalic(12), .fore = kGreen, .border = true, .autoSize = true})),
      dsp01(add<model::Label>({.name = u"dsp01", .rect = {2160, 360, 3615, 375}, .tab = 3, .caption = u"   ただ今の日付と時刻です", .font = bold(12), .fore = kGreen})),
      Label5(add<model::Label>({.name = u"Label5", .rect = {720, 1800, 2655, 255}, .tab = 9, .caption = u"指定の曜日を探します！！\u3000\u3000", .font = bold(9.75F), .fore = kGreen})),
      Label6(add<model::Label>({.name = u"Label6", .rect = {3240, 1800, 4815, 255}, .tab = 10, .caption = u"誕生日等、お探しの年月日を入力して下さい（西暦）", .font = bold(9.75F), .fore = kGreen})),
      outyoubi(add<model::Label>({.name = u"outyoubi", .rect = {1560, 2880, 4575, 375}, .tab = 11, .font = bold(12), .fore = 0xFF0000, .announces = true, .border = true})),
      Label1(add<model::Label>({.name = u"Label1", .rect = {720, 2280, 1695, 375}, .tab = 12, .caption = u"yyyy/mm/dd", .font = boldItalic(12), .fore = 0xC00000})),
      start(add<model::Label>({.name = u"start", .rect = {360, 3600, 3375, 735}, .tab = 13, .caption = u"今日から１週間の運勢占いです。あなたの好きな数字を１桁入れて下さい。", .font = bold(11.25F), .fore = 0x800000})),
      stop(add<model::Label>({.name = u"stop", .rect = {4560, 3840, 735, 375}, .tab = 14, .caption = u"ＧＯ", .font = bold(14.25F), .accessKey = u'G', .alignment = model::Alignment::Centre, .border = true})),
      secdisp(add<model::Label>({.name = u"secdisp", .rect = {600, 4440, 3315, 345}, .tab = 15, .caption = u"\u3000\u3000＊＊＊＊＊＊＊＊\u3000\u3000", .font = boldItalic(14.25F), .fore = 0xFF00FF, .announces = true, .border = true, .autoSize = true})),
      lblgoto(add<model::Label>({.name = u"lblgoto", .rect = {5520, 3960, 3015, 255}, .tab = 17, .caption = u"←\u3000ＧＯ\u3000ボタンを押して下さい", .font = regularItalic(11.25F), .fore = 0x800080})),
      Label2(add<model::Label>({.name = u"Label2", .rect = {120, 120, 2655, 255}, .tab = 18, .caption = u"曜日探しと今週の運勢", .font = bold(9.75F)})),
      Frame1(add<model::Frame>({.name = u"Frame1", .rect = {6600, 360, 1815, 975}, .tab = 4, .caption = u"時刻表示切替", .font = bold(9.75F), .back = kFrameBack})),
      outtime0(add<model::OptionButton>({.name = u"outtime", .index = 0, .rect = {120, 240, 1575, 375}, .tab = 5, .caption = u"１２時間表示", .font = bold(9), .back = kFrameBack, .frame = &Frame1, .selected = true})),
      outtime1(add<model::OptionButton>({.name = u"outtime", .index = 1, .rect = {120, 600, 1575, 255}, .tab = 6, .caption = u"２４時間表示", .font = bold(9), .back = kFrameBack, .frame = &Frame1})),
      inymd(add<model::TextBox>({.name = u"inymd", .rect = {2400, 2280, 2055, 420}, .tab = 0, .font = bold(14.25F), .accessibleName = u"お探しの年月日（yyyy/mm/dd）"})),
      noBotan(add<model::CommandButton>({.name = u"noﾎﾞﾀﾝ", .rect = {5880, 2280, 855, 375}, .tab = 7, .caption = u"ｷｬﾝｾﾙ", .font = bold(9.75F)})),
      okBotan(add<model::CommandButton>({.name = u"okﾎﾞﾀﾝ", .rect = {4800, 2280, 855, 375}, .tab = 8, .caption = u"ＯＫ", .font = bold(14.25F)})),
      insuu(add<model::TextBox>({.name = u"insuu", .rect = {3960, 3840, 375, 450}, .tab = 16, .font = regular(15.75F), .accessibleName = u"好きな数字（１桁）", .accessibleDescription = u"Alt+G で占います", .alignment = model::Alignment::Centre})),
      Command1(add<model::CommandButton>({.name = u"Command1", .rect = {6960, 2880, 1455, 615}, .tab = 19, .caption = u"このプログラムの終了ボタン", .font = bold(9)})),
      Command2(add<model::CommandButton>({.name = u"Command2", .rect = {6600, 0, 2055, 255}, .tab = 20, .caption = u"時刻のみ表示ボタン", .font = bold(9.75F)})) {}
// clang-format on

model::WindowDesign mainWindowDesign() {
    return {u"kanmeri",
            u"曜日探し\u3000＆\u3000今週から1週間の運勢占い（当たるかな？）",
            8700,
            5100,
            0xFFFFFF,
            ":/kanmeri/paper_cream.jpg",
            ":/kanmeri/smiley.ico"};
}

std::unique_ptr<model::Form> MainWindow::createForm() {
    using std::bind_front;
    namespace f = features;
    auto form = std::make_unique<MainForm>(*this);
    MainForm& c = *form;
    const auto services = std::ref(services_);
    const auto clock = std::cref(clock_);
    const f::DateEntry entry{c.inymd, c.outyoubi};
    c.inymd.change.bind(bind_front(&f::inymd_Change, entry, services));
    c.inymd.click.bind(bind_front(&f::inymd_Click, entry));
    c.inymd.keyPress.bind(bind_front(&f::inymd_KeyPress, entry));
    c.okBotan.click.bind(bind_front(&f::okBotan_Click, entry, services));
    c.noBotan.click.bind(bind_front(&f::noBotan_Click, entry, services));
    const f::FortuneDraw draw{c.insuu, c.secdisp, c.fortune};
    c.insuu.click.bind(bind_front(&f::insuu_Click, draw));
    c.insuu.keyPress.bind(bind_front(&f::insuu_KeyPress, draw));
    c.stop.click.bind(bind_front(&f::stop_Click, draw, services, clock));
    c.Timer1.timer.bind(
        bind_front(&f::Timer1_Timer, f::ClockDisplay{c.dspdate, c.dsptime, c.outtime0}, clock));
    c.Timer2.timer.bind(bind_front(&f::Timer2_Timer, f::SecondsBar{c.shpwaku, c.shpscale}, clock));
    c.Command1.click.bind(bind_front(&MainWindow::Command1_Click, this));
    c.Command2.click.bind(bind_front(&MainWindow::Command2_Click, this));
    return form;
}

void MainWindow::formLoad() {
    AppWindow::formLoad();
    features::unsei_set(controls().fortune.unsei);
}

void MainWindow::Command1_Click() {
    services_.unloadWindow(*this);
    services_.endProgram();
}

void MainWindow::Command2_Click() {
    // The clock window is loaded before this one goes, so a window is loaded
    // at every moment of the switch.
    services_.showWindow(other_);
    services_.unloadWindow(*this);
}

}  // namespace kanmeri::windows
