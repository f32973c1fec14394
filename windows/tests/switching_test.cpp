// Loading, switching between the two windows and ending the program.
#include <gtest/gtest.h>

#include "features/fortune.h"
#include "model/tests/support/printers.h"
#include "windows/tests/harness.h"

namespace kanmeri::windows::testing {
namespace {

using kanmeri::testing::PrintTo;
using model::Text;

struct CentreRow {
    const char* name;
    bool clockWindow;
    model::ScreenSize screen;
    float frameWidth, frameHeight;
    float left, top;
};

void PrintTo(const CentreRow& row, std::ostream* os) {
    *os << row.name;
}

class CentreTest : public ::testing::TestWithParam<CentreRow> {};

TEST_P(CentreTest, formLoad_centresOuterSizeOnScreen) {
    const CentreRow& row = GetParam();
    Harness h;
    h.services.screen = row.screen;
    model::Window& window =
        row.clockWindow ? static_cast<model::Window&>(h.windows.clock) : h.windows.main;
    window.setFrameExtent(row.frameWidth, row.frameHeight);
    window.centre({0, 0});  // placed elsewhere before the load
    h.dispatch([&] { h.services.showWindow(window); });
    EXPECT_FLOAT_EQ(window.left(), row.left);
    EXPECT_FLOAT_EQ(window.top(), row.top);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CentreTest,
    ::testing::Values(CentreRow{"main_clientOnly", false, {19200, 10800}, 0, 0, 5250, 2850},
                      CentreRow{"main_withFrame", false, {19200, 10800}, 120, 495, 5190, 2602.5F},
                      CentreRow{"main_largerThanScreen", false, {7200, 4800}, 0, 0, -750, -150},
                      CentreRow{"clock_clientOnly", true, {19200, 10800}, 0, 0, 7417.5F, 4612.5F},
                      CentreRow{"clock_withFrame", true, {28800, 16200}, 90, 435, 12172.5F, 7095}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SwitchingTest, command1_unloadsMainThenEndsProgram) {
    Harness h(Harness::kStarted);
    h.services.clear();
    h.dispatch([&] { h.main().Command1.click.raise(); });
    EXPECT_EQ(h.services.withoutFocus(), (std::vector{unloadCall(u"kanmeri"), endCall()}));
    EXPECT_TRUE(h.services.ended);
    EXPECT_FALSE(h.windows.main.loaded());
}

TEST(SwitchingTest, command2_showsClockThenUnloadsMain) {
    Harness h(Harness::kStarted);
    h.services.clear();
    h.toClock();
    EXPECT_EQ(h.services.withoutFocus(),
              (std::vector{showCall(u"kanmeri_jikoku"), unloadCall(u"kanmeri")}));
    EXPECT_TRUE(h.windows.clock.loaded());
    EXPECT_FALSE(h.windows.main.loaded());
    EXPECT_FALSE(h.services.ended);
}

// Notes, at each show, whether the program had been told to end and whether
// any window was loaded.
class MomentServices : public kanmeri::testing::RecordingServices {
public:
    void showWindow(model::Window& window) override {
        endedAtShow.push_back(ended);
        loadedAtShow.push_back(program.anyLoaded());
        RecordingServices::showWindow(window);
    }
    std::vector<bool> endedAtShow;
    std::vector<bool> loadedAtShow;
};

TEST(SwitchingTest, clockCommand1_unloadsClockThenShowsMainWithoutEnding) {
    MomentServices services;
    kanmeri::testing::FakeClock clock;
    AppWindows windows(services, services, clock);
    windows.registerWith(services.program);
    services.dispatch([&] { services.showWindow(windows.clock); });
    services.clear();
    services.dispatch([&] { windows.clock.controls().Command1.click.raise(); });
    EXPECT_EQ(services.withoutFocus(),
              (std::vector{unloadCall(u"kanmeri_jikoku"), showCall(u"kanmeri")}));
    EXPECT_EQ(services.loadedAtShow.back(), false);  // the moment with no window
    EXPECT_EQ(services.endedAtShow.back(), false);
    EXPECT_FALSE(services.ended);
    EXPECT_TRUE(windows.main.loaded());
}

TEST(SwitchingTest, roundTrip_bringsMainBackInDesignState) {
    Harness h;
    h.fakeClock.time = {15, 4, 30};
    h.start();
    h.dispatch([&] {
        MainForm& f = h.main();
        f.inymd.edit(u"2000/01/01", 10);
        f.okBotan.click.raise();
        f.insuu.edit(u"5", 1);
        f.stop.click.raise();
        f.insuu.edit(u"7", 1);
        f.outtime1.select();
        f.Timer1.timer.raise();
        f.Timer2.timer.raise();
    });
    ASSERT_NE(h.main().outyoubi.caption(), Text());  // the handlers did act
    h.toClock();
    h.toMain();
    const MainForm& f = h.main();
    EXPECT_EQ(f.inymd.text(), Text());
    EXPECT_EQ(f.insuu.text(), Text());
    EXPECT_EQ(f.outyoubi.caption(), Text());
    EXPECT_EQ(f.secdisp.caption(), Text(u"\u3000\u3000＊＊＊＊＊＊＊＊\u3000\u3000"));
    EXPECT_TRUE(f.outtime0.value());
    EXPECT_FALSE(f.outtime1.value());
    EXPECT_EQ(f.dspdate.caption(), Text(u"xxxxxxxxxxxxxxxxxxxxxxxxx"));
    EXPECT_EQ(f.dsptime.caption(), Text(u"  12:01:02(am)  "));
    EXPECT_FLOAT_EQ(f.shpscale.width(), 735);
}

TEST(SwitchingTest, clockWindow_opensInTwentyFourHourFormEveryTime) {
    Harness h;
    h.fakeClock.time = {15, 4, 5};
    h.start();
    h.dispatch([&] { h.main().outtime1.select(); });
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        h.toClock();
        EXPECT_TRUE(h.clock().outtime1.value());
        EXPECT_FALSE(h.clock().outtime0.value());
        h.dispatch([&] {
            h.clock().Timer1.timer.raise();
            h.clock().outtime0.select();  // left in the 12-hour form
        });
        EXPECT_EQ(h.clock().dsptime.caption(), Text(u"  15:04:05  "));
        h.toMain();
        EXPECT_TRUE(h.main().outtime0.value());
    }
}

TEST(SwitchingTest, closingClockWindow_endsProgramWithoutBringingMainBack) {
    Harness h(Harness::kOnClock);
    h.dispatch([&] { h.services.unloadWindow(h.windows.clock); });
    EXPECT_TRUE(h.services.ended);
    EXPECT_FALSE(h.windows.main.loaded());
}

TEST(SwitchingTest, closingMainWindow_endsProgram) {
    Harness h(Harness::kStarted);
    h.dispatch([&] { h.services.unloadWindow(h.windows.main); });
    EXPECT_TRUE(h.services.ended);
}

TEST(SwitchingTest, everyMainLoad_fillsFortuneTable) {
    features::FortuneTable expected;
    features::unsei_set(expected);
    ASSERT_FALSE(expected[1].empty());
    Harness h(Harness::kStarted);
    EXPECT_EQ(h.main().fortune.unsei, expected);
    h.toClock();
    h.toMain();
    EXPECT_EQ(h.main().fortune.unsei, expected);
}

TEST(SwitchingTest, retiredMainForm_ignoresItsEvents) {
    Harness h(Harness::kStarted);
    h.services.clear();
    h.dispatch([&] {
        MainForm& old = h.main();
        old.Command2.click.raise();
        // Everything below reaches a form that its window has let go, as
        // events do that the user sent before the switch.
        h.services.raise(old.Command1, old.Command1.click);
        h.services.raise(old.Command2, old.Command2.click);
        h.services.raise(old.okBotan, old.okBotan.click);
        h.services.raise(old.inymd, old.inymd.keyPress, std::int16_t{13});
        h.services.raise(old.stop, old.stop.click);
        h.services.raise(old.Timer1, old.Timer1.timer);
    });
    EXPECT_EQ(h.services.withoutFocus(),
              (std::vector{showCall(u"kanmeri_jikoku"), unloadCall(u"kanmeri")}));
    EXPECT_FALSE(h.services.ended);
    EXPECT_TRUE(h.windows.clock.loaded());
}

}  // namespace
}  // namespace kanmeri::windows::testing
