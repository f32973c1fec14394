#include "windows/main_window.h"

#include "features/running_clock.h"
#include "features/weekday_lookup.h"
#include "model/centring.h"
#include "windows/design_rows.h"

namespace kanmeri::windows {

namespace {

using model::Alignment;
using model::LabelDesign;
using model::Role;

constexpr model::Rgb kGreen = 0x008000;
constexpr model::Rgb kFrameBack = 0xF1EBCB;

// One row per control: name, array index, rectangle (twips), tab index, caption (or text),
// style, role, accessible name (empty: the caption names it), access key, accessible
// description, whether a screen reader speaks each caption with text set on it.
// clang-format off
const Row kDspdate{u"dspdate", {}, {840, 840, 3075, 300}, 1, u"xxxxxxxxxxxxxxxxxxxxxxxxx", {boldItalic(12), kGreen, {}}, Role::StaticText};
const Row kDsptime{u"dsptime", {}, {4320, 840, 1875, 300}, 2, u"  12:01:02(am)  ", {boldItalic(12), kGreen, {}}, Role::StaticText};
const Row kDsp01{u"dsp01", {}, {2160, 360, 3615, 375}, 3, u"   ただ今の日付と時刻です", {bold(12), kGreen, {}}, Role::StaticText};
const Row kFrame1{u"Frame1", {}, {6600, 360, 1815, 975}, 4, u"時刻表示切替", {bold(9.75F), {}, kFrameBack}, Role::Group};
const Row kOuttime0{u"outtime", 0, {120, 240, 1575, 375}, 5, u"１２時間表示", {bold(9), {}, kFrameBack}, Role::Option};
const Row kOuttime1{u"outtime", 1, {120, 600, 1575, 255}, 6, u"２４時間表示", {bold(9), {}, kFrameBack}, Role::Option};
const Row kNoBotan{u"noﾎﾞﾀﾝ", {}, {5880, 2280, 855, 375}, 7, u"ｷｬﾝｾﾙ", {bold(9.75F), {}, {}}, Role::Button};
const Row kOkBotan{u"okﾎﾞﾀﾝ", {}, {4800, 2280, 855, 375}, 8, u"ＯＫ", {bold(14.25F), {}, {}}, Role::Button};
const Row kLabel5{u"Label5", {}, {720, 1800, 2655, 255}, 9, u"指定の曜日を探します！！\u3000\u3000", {bold(9.75F), kGreen, {}}, Role::StaticText};
const Row kLabel6{u"Label6", {}, {3240, 1800, 4815, 255}, 10, u"誕生日等、お探しの年月日を入力して下さい（西暦）", {bold(9.75F), kGreen, {}}, Role::StaticText};
const Row kOutyoubi{u"outyoubi", {}, {1560, 2880, 4575, 375}, 11, u"", {bold(12), 0xFF0000, {}}, Role::StaticText, u"", 0, u"", true};
const Row kLabel1{u"Label1", {}, {720, 2280, 1695, 375}, 12, u"yyyy/mm/dd", {boldItalic(12), 0xC00000, {}}, Role::StaticText};
const Row kStart{u"start", {}, {360, 3600, 3375, 735}, 13, u"今日から１週間の運勢占いです。あなたの好きな数字を１桁入れて下さい。", {bold(11.25F), 0x800000, {}}, Role::StaticText};
const Row kStop{u"stop", {}, {4560, 3840, 735, 375}, 14, u"ＧＯ", {bold(14.25F), {}, {}}, Role::StaticText, u"", u'G'};
const Row kSecdisp{u"secdisp", {}, {600, 4440, 3315, 345}, 15, u"\u3000\u3000＊＊＊＊＊＊＊＊\u3000\u3000", {boldItalic(14.25F), 0xFF00FF, {}}, Role::StaticText, u"", 0, u"", true};
const Row kInsuu{u"insuu", {}, {3960, 3840, 375, 450}, 16, u"", {regular(15.75F), {}, {}}, Role::Entry, u"好きな数字（１桁）", 0, u"Alt+G で占います"};
const Row kLblgoto{u"lblgoto", {}, {5520, 3960, 3015, 255}, 17, u"←\u3000ＧＯ\u3000ボタンを押して下さい", {regularItalic(11.25F), 0x800080, {}}, Role::StaticText};
const Row kLabel2{u"Label2", {}, {120, 120, 2655, 255}, 18, u"曜日探しと今週の運勢", {bold(9.75F), {}, {}}, Role::StaticText};
const Row kCommand1{u"Command1", {}, {6960, 2880, 1455, 615}, 19, u"このプログラムの終了ボタン", {bold(9), {}, {}}, Role::Button};
const Row kCommand2{u"Command2", {}, {6600, 0, 2055, 255}, 20, u"時刻のみ表示ボタン", {bold(9.75F), {}, {}}, Role::Button};
const Row kInymd{u"inymd", {}, {2400, 2280, 2055, 420}, 0, u"", {bold(14.25F), {}, {}}, Role::Entry, u"お探しの年月日（yyyy/mm/dd）"};
const Row kShpwaku{u"shpwaku", {}, {840, 1320, 5415, 135}, -1, u"", {}, Role::Graphic};
const Row kShpscale{u"shpscale", {}, {840, 1320, 735, 135}, -1, u"", {}, Role::ProgressBar, u"秒の進み"};
// clang-format on

constexpr LabelDesign kPlain{};
constexpr LabelDesign kBordered{.border = true};
constexpr LabelDesign kBorderedAutoSize{.border = true, .autoSize = true};
constexpr LabelDesign kBorderedCentred{.border = true, .alignment = Alignment::Centre};

}  // namespace

MainForm::MainForm(model::Window& window)
    : model::Form(window),
      Timer1(addTimer(*this, u"Timer1", 100)),
      Timer2(addTimer(*this, u"Timer2", 2000)),
      shpwaku(addShape(*this, kShpwaku, {0xFFFFFF, 0x000000})),
      shpscale(addShape(*this, kShpscale, {kGreen, 0x000000, &shpwaku})),
      dspdate(addLabel(*this, kDspdate, kBorderedAutoSize)),
      dsptime(addLabel(*this, kDsptime, kBorderedAutoSize)),
      dsp01(addLabel(*this, kDsp01, kPlain)),
      Label5(addLabel(*this, kLabel5, kPlain)),
      Label6(addLabel(*this, kLabel6, kPlain)),
      outyoubi(addLabel(*this, kOutyoubi, kBordered)),
      Label1(addLabel(*this, kLabel1, kPlain)),
      start(addLabel(*this, kStart, kPlain)),
      stop(addLabel(*this, kStop, kBorderedCentred)),
      secdisp(addLabel(*this, kSecdisp, kBorderedAutoSize)),
      lblgoto(addLabel(*this, kLblgoto, kPlain)),
      Label2(addLabel(*this, kLabel2, kPlain)),
      Frame1(addFrame(*this, kFrame1)),
      outtime0(addOption(*this, kOuttime0, Frame1, true)),
      outtime1(addOption(*this, kOuttime1, Frame1, false)),
      inymd(addTextBox(*this, kInymd, Alignment::Left)),
      noBotan(addButton(*this, kNoBotan)),
      okBotan(addButton(*this, kOkBotan)),
      insuu(addTextBox(*this, kInsuu, Alignment::Centre)),
      Command1(addButton(*this, kCommand1)),
      Command2(addButton(*this, kCommand2)) {}

model::WindowDesign mainWindowDesign() {
    return {u"kanmeri",
            u"曜日探し\u3000＆\u3000今週から1週間の運勢占い（当たるかな？）",
            8700,
            5100,
            0xFFFFFF,
            ":/kanmeri/paper_cream.jpg",
            ":/kanmeri/smiley.ico"};
}

MainWindow::MainWindow(model::WindowServices& services, const model::Clock& clock,
                       model::Window& clockWindow)
    : model::Window(mainWindowDesign()),
      services_(services),
      clock_(clock),
      clockWindow_(clockWindow) {}

MainForm& MainWindow::controls() const {
    return static_cast<MainForm&>(form());
}

std::unique_ptr<model::Form> MainWindow::createForm() {
    auto form = std::make_unique<MainForm>(*this);
    bindDateEntry(*form);
    bindFortune(*form);
    bindClock(*form);
    bindButtons(*form);
    return form;
}

void MainWindow::formLoad() {
    model::centre(*this, services_.screenSize());
    features::unsei_set(controls().fortune.unsei);
}

void MainWindow::bindDateEntry(MainForm& form) {
    const features::DateEntry entry{form.inymd, form.outyoubi};
    form.inymd.change.bind([this, entry] { features::inymd_Change(entry, services_); });
    form.inymd.click.bind([entry] { features::inymd_Click(entry); });
    form.inymd.keyPress.bind([entry](std::int16_t key) { features::inymd_KeyPress(entry, key); });
    form.okBotan.click.bind([this, entry] { features::okBotan_Click(entry, services_); });
    form.noBotan.click.bind([this, entry] { features::noBotan_Click(entry, services_); });
}

void MainWindow::bindFortune(MainForm& form) {
    const features::FortuneDraw draw{form.insuu, form.secdisp, form.fortune};
    form.insuu.click.bind([draw] { features::insuu_Click(draw); });
    form.insuu.keyPress.bind([draw](std::int16_t key) { features::insuu_KeyPress(draw, key); });
    form.stop.click.bind([this, draw] { features::stop_Click(draw, services_, clock_); });
}

void MainWindow::bindClock(MainForm& form) {
    const features::ClockDisplay display{form.dspdate, form.dsptime, form.outtime0};
    const features::SecondsBar bar{form.shpwaku, form.shpscale};
    form.Timer1.timer.bind([this, display] { features::Timer1_Timer(display, clock_); });
    form.Timer2.timer.bind([this, bar] { features::Timer2_Timer(bar, clock_); });
}

void MainWindow::bindButtons(MainForm& form) {
    form.Command1.click.bind([this] { Command1_Click(); });
    form.Command2.click.bind([this] { Command2_Click(); });
}

void MainWindow::Command1_Click() {
    services_.unloadWindow(*this);
    services_.endProgram();
}

void MainWindow::Command2_Click() {
    // The clock window is loaded before this one goes, so a window is loaded
    // at every moment of the switch.
    services_.showWindow(clockWindow_);
    services_.unloadWindow(*this);
}

}  // namespace kanmeri::windows
