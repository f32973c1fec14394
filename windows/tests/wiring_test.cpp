// Each bound event of the loaded windows reaches its handler, acting on that
// window's own controls.
#include <gtest/gtest.h>

#include <functional>

#include "model/tests/support/printers.h"
#include "windows/tests/harness.h"

namespace kanmeri::windows::testing {
namespace {

using kanmeri::testing::beepCall;
using kanmeri::testing::focusCall;
using kanmeri::testing::messageCall;
using model::Text;

struct WiringRow {
    const char* name;
    model::TimeOfDay time;
    std::function<void(MainForm&)> act;
    std::function<Text(const MainForm&)> observe;
    Text expected;
};

Text outyoubi(const MainForm& f) {
    return f.outyoubi.caption();
}
Text secdisp(const MainForm& f) {
    return f.secdisp.caption();
}

const WiringRow kRows[] = {
    {"okBotan_click_tellsWeekday",
     {},
     [](MainForm& f) {
         f.inymd.edit(u"2000/01/01", 10);
         f.okBotan.click.raise();
     },
     outyoubi,
     u" お探しの日の曜日は\u3000土曜日\u3000です"},
    {"noBotan_click_blanksEntry",
     {},
     [](MainForm& f) {
         f.inymd.edit(u"2000", 4);
         f.noBotan.click.raise();
     },
     [](const MainForm& f) { return f.inymd.text(); },
     u"            "},
    {"inymd_click_clearsResult", {}, [](MainForm& f) { f.inymd.click.raise(); }, outyoubi, u" "},
    {"inymd_enter_appendsBlank",
     {},
     [](MainForm& f) {
         f.inymd.edit(u"2000/1/1", 8);
         f.inymd.keyPress.raise(13);
     },
     [](const MainForm& f) { return f.inymd.text(); },
     u"2000/1/1 "},
    {"insuu_click_clearsMessage", {}, [](MainForm& f) { f.insuu.click.raise(); }, secdisp, u" "},
    {"insuu_enter_appendsBlank",
     {},
     [](MainForm& f) {
         f.insuu.edit(u"5", 1);
         f.insuu.keyPress.raise(13);
     },
     [](const MainForm& f) { return f.insuu.text(); },
     u"5 "},
    {"stop_click_drawsFromOwnTable",
     {0, 0, 0},
     [](MainForm& f) {
         f.fortune.unsei[1] = u"marked";  // shows that the window's own table is read
         f.insuu.edit(u"1", 1);
         f.stop.click.raise();
     },
     secdisp,
     u"marked"},
    {"timer1_tick_showsDate",
     {},
     [](MainForm& f) { f.Timer1.timer.raise(); },
     [](const MainForm& f) { return f.dspdate.caption(); },
     u"  2000年01月01日(土曜日)  "},
    {"timer1_tick_showsTwelveHourTime",
     {15, 4, 5},
     [](MainForm& f) { f.Timer1.timer.raise(); },
     [](const MainForm& f) { return f.dsptime.caption(); },
     u"  03:04:05 (PM)  "},
    {"timer1_tickAfterSwitch_showsTwentyFourHourTime",
     {15, 4, 5},
     [](MainForm& f) {
         f.outtime1.select();
         f.Timer1.timer.raise();
     },
     [](const MainForm& f) { return f.dsptime.caption(); },
     u"  15:04:05  "},
};

void PrintTo(const WiringRow& row, std::ostream* os) {
    *os << row.name;
}

class MainWiringTest : public ::testing::TestWithParam<WiringRow> {};

TEST_P(MainWiringTest, event_reachesHandler) {
    const WiringRow& row = GetParam();
    Harness h;
    h.fakeClock.time = row.time;
    h.start();
    h.dispatch([&] { row.act(h.main()); });
    EXPECT_EQ(kanmeri::testing::utf8(row.observe(h.main())), kanmeri::testing::utf8(row.expected));
}

INSTANTIATE_TEST_SUITE_P(Rows, MainWiringTest, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WiringTest, okBotan_refusedEntry_beepsAndRefocusesEntry) {
    Harness h(Harness::kStarted);
    h.services.clear();
    h.dispatch([&] { h.main().okBotan.click.raise(); });
    EXPECT_EQ(
        h.services.withoutFocus(),
        (std::vector{beepCall(), messageCall(u"入力間違いです", model::MessageStyle::OkOnly)}));
    EXPECT_EQ(h.services.lastFocus(), Text(u"inymd"));
}

TEST(WiringTest, timer2_tick_growsBarWithSeconds) {
    Harness h;
    h.fakeClock.time = {10, 0, 30};
    h.start();
    h.dispatch([&] { h.main().Timer2.timer.raise(); });
    EXPECT_FLOAT_EQ(h.main().shpscale.width(), 5415.0F / 60.0F * 30.0F);
    EXPECT_FLOAT_EQ(h.main().shpscale.rect().left, 840);
}

TEST(WiringTest, clockTimer1_tick_refreshesOwnLabelsInSelectedForm) {
    Harness h;
    h.fakeClock.date = {2000, 12, 21};
    h.fakeClock.time = {0, 0, 0};
    h.start();
    h.toClock();
    h.dispatch([&] { h.clock().Timer1.timer.raise(); });
    EXPECT_EQ(h.clock().dspdate.caption(), Text(u"  2000年12月21日(木曜日)  "));
    EXPECT_EQ(h.clock().dsptime.caption(), Text(u"  00:00:00  "));
    h.dispatch([&] {
        h.clock().outtime0.select();
        h.clock().Timer1.timer.raise();
    });
    EXPECT_EQ(h.clock().dsptime.caption(), Text(u"  12:00:00 (AM)  "));
}

// In the recording services' fixed pitch at 16 px (12 points) and 19 px
// (14.25 points): an ASCII character half an em, any other a whole em, and
// 2 px of border on each side.
TEST(WiringTest, tickAndDraw_sizeAutoSizeLabelsToTheirNewCaptions) {
    Harness h;
    h.fakeClock.date = {2000, 12, 21};
    h.fakeClock.time = {15, 4, 5};
    h.start();
    MainForm& f = h.main();
    h.services.raise(f.Timer1, f.Timer1.timer);
    // "  2000年12月21日(木曜日)  ": 14 ASCII, 6 wide; "  03:04:05 (PM)  ": 17 ASCII.
    EXPECT_EQ(f.dspdate.rect(), (model::TwipsRect{840, 840, (112 + 96 + 4) * 15, 20 * 15}));
    EXPECT_EQ(f.dsptime.rect(), (model::TwipsRect{4320, 840, (136 + 4) * 15, 20 * 15}));
    h.dispatch([&] { f.insuu.edit(u"3", 1); });
    h.services.raise(f.stop, f.stop.click);
    const model::Text& shown = f.secdisp.caption();
    EXPECT_EQ(shown, f.fortune.unsei[10]);  // second 5 plus the offset 5 of the digit 3
    const model::TextExtent text = h.services.oneLine(shown, f.secdisp.design().font);
    EXPECT_EQ(
        f.secdisp.rect(),
        (model::TwipsRect{600, 4440, static_cast<float>(text.width + 4) * 15, (19 + 4) * 15}));
    EXPECT_NE(f.secdisp.rect().width, 3315.0F);
}

}  // namespace
}  // namespace kanmeri::windows::testing
