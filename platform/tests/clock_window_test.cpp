// The real clock window: what it opens with, going back to a main window
// that starts afresh, and its window manager close ending the program.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "platform/tests/clock_support.h"
#include "platform/tests/fixture.h"
#include "platform/tests/real_app.h"

namespace kanmeri::platform::testing {
namespace {

using kanmeri::testing::utf8;

TEST(ClockWindowTest, open_showsCaptionAndTwentyFourHourOption) {
    RealApp app;
    QWidget* view = app.openClock();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(utf8(toText(view->windowTitle())), utf8(u"日付と時刻の表示"));
    EXPECT_TRUE(view->isVisible());
    windows::ClockForm& f = app.windows.clock.controls();
    EXPECT_TRUE(app.widget<QRadioButton>(f.outtime1)->isChecked());
    EXPECT_FALSE(app.widget<QRadioButton>(f.outtime0)->isChecked());
}

// Leaves every control of the main window away from its design-time state.
void disturb(RealApp& app) {
    windows::MainForm& f = app.main();
    QTest::keyClicks(app.widget(f.inymd), QStringLiteral("2000/01/01"));
    QTest::mouseClick(app.widget(f.okBotan), Qt::LeftButton);
    QTest::mouseClick(app.widget(f.insuu), Qt::LeftButton);
    QTest::keyClicks(app.widget(f.insuu), QStringLiteral("0"));
    QTest::mouseClick(app.widget(f.stop), Qt::LeftButton);
    QTest::keyClicks(app.widget(f.insuu), QStringLiteral("7"));
    QTest::mouseClick(app.widget(f.outtime1), Qt::LeftButton);
    fire(driverOf(app.view(app.windows.main), f.Timer1));
    ASSERT_EQ(f.dsptime.caption(), u"  15:04:30  ");
}

TEST(ClockWindowTest, back_bringsMainWindowInItsDesignTimeState) {
    RealApp app;
    disturb(app);
    ASSERT_NE(app.widget<QLineEdit>(app.main().inymd)->text(), QString());
    ASSERT_NE(app.widget(app.main().outyoubi)->accessibleName(), QString());
    app.openClock();
    windows::ClockForm& clock = app.windows.clock.controls();
    ASSERT_EQ(utf8(toText(app.widget<QPushButton>(clock.Command1)->text())), utf8(u"戻　る"));
    QTest::mouseClick(app.widget(clock.Command1), Qt::LeftButton);
    ASSERT_NE(app.view(app.windows.main), nullptr);

    windows::MainForm& f = app.main();
    EXPECT_EQ(app.widget<QLineEdit>(f.inymd)->text(), QString());
    EXPECT_EQ(app.widget<QLineEdit>(f.insuu)->text(), QString());
    EXPECT_EQ(shown(app.widget(f.outyoubi)), "");
    EXPECT_EQ(shown(app.widget(f.secdisp)), utf8(u"　　＊＊＊＊＊＊＊＊　　"));
    expectFitsOneLine(app.widget(f.secdisp), f.secdisp);
    EXPECT_TRUE(app.widget<QRadioButton>(f.outtime0)->isChecked());
    EXPECT_FALSE(app.widget<QRadioButton>(f.outtime1)->isChecked());
    EXPECT_EQ(shown(app.widget(f.dsptime)), utf8(u"  12:01:02(am)  "));
    fire(driverOf(app.view(app.windows.main), f.Timer1));
    EXPECT_EQ(shown(app.widget(f.dsptime)), "  03:04:30 (PM)  ");
}

TEST(ClockWindowTest, windowManagerClose_endsEventLoopWithoutBringingMainBack) {
    RealApp app;
    ASSERT_NE(app.openClock(), nullptr);
    EXPECT_EQ(runUntilEnd(app.services, [&] { app.view(app.windows.clock)->close(); }), 0);
    EXPECT_FALSE(app.program.anyLoaded());
    EXPECT_EQ(app.view(app.windows.main), nullptr);
    EXPECT_EQ(app.view(app.windows.clock), nullptr);
}

}  // namespace
}  // namespace kanmeri::platform::testing
