// The seconds bar of the real main window as drawn, on a fixed clock: its
// filled length for a given second, and that it only moves when its own
// two-second timer fires, fired by hand or by the passing time.
#include <gtest/gtest.h>

#include <QImage>
#include <QTimer>
#include <cmath>

#include "platform/tests/clock_support.h"
#include "platform/tests/real_app.h"

namespace kanmeri::platform::testing {
namespace {

constexpr int kBarLeft = 56;
constexpr int kBarMiddle = 88 + 9 / 2;
constexpr int kOutlineWidth = 361;

// Pixels of the filled part for `second`: a sixtieth of the outline's 5415
// twips per second.
int filledPixels(int second) {
    return static_cast<int>(std::lround(5415.0 / 60.0 * second / 15.0));
}

// Longest run of pure #008000 along the bar's middle row.
int greenRun(const QImage& shot) {
    int longest = 0;
    int run = 0;
    for (int x = kBarLeft; x < kBarLeft + kOutlineWidth; ++x) {
        run = shot.pixel(x, kBarMiddle) == qRgb(0x00, 0x80, 0x00) ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

QImage grabbed(RealApp& app) {
    return app.view(app.windows.main)->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TEST(SecondsBarTest, tick_fillsItsShareOfTheOutline) {
    const struct {
        const char* name;
        int second;
    } rows[] = {{"second 0", 0}, {"second 1", 1}, {"second 30", 30}, {"second 59", 59}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        RealApp app({15, 4, row.second});
        if (app.view(app.windows.main)->devicePixelRatioF() != 1.0) {
            GTEST_SKIP() << "pixel samples assume a scale factor of 1";
        }
        windows::MainForm& f = app.main();
        fire(driverOf(app.view(app.windows.main), f.Timer2));
        const int filled = filledPixels(row.second);
        EXPECT_EQ(app.widget(f.shpscale)->width(), filled);
        // A screen reader hears the share as the bar's description.
        EXPECT_EQ(app.widget(f.shpscale)->accessibleDescription(),
                  QStringLiteral("%1%").arg(std::lround(row.second * 100.0 / 60.0)));
        // The fill lies inside the filled part's 1 px black border.
        const int green = greenRun(grabbed(app));
        if (filled == 0) {
            EXPECT_EQ(green, 0);
        } else {
            EXPECT_NEAR(green, filled - 2, 1);
        }
    }
}

TEST(SecondsBarTest, timers_moveBarOnlyOnTimer2sTicks) {
    RealApp app({15, 4, 30});
    windows::MainForm& f = app.main();
    const QWidget* bar = app.widget(f.shpscale);
    QTimer* timer1 = driverOf(bar->window(), f.Timer1);
    QTimer* timer2 = driverOf(bar->window(), f.Timer2);
    ASSERT_NE(timer1, nullptr);
    ASSERT_NE(timer2, nullptr);
    const int before = bar->width();
    app.clock.time.second = 31;
    for (int tick = 0; tick < 3; ++tick) {
        fire(timer1);
    }
    EXPECT_EQ(bar->width(), before) << "moved on Timer1's ticks";
    fire(timer2);
    EXPECT_EQ(bar->width(), filledPixels(31));
    app.clock.time.second = 59;
    for (int tick = 0; tick < 3; ++tick) {
        fire(timer1);
    }
    EXPECT_EQ(bar->width(), filledPixels(31)) << "moved between Timer2's ticks";
    if (bar->devicePixelRatioF() == 1.0) {
        EXPECT_NEAR(greenRun(grabbed(app)), filledPixels(31) - 2, 1);
    }
}

// The same on the real timers, which come when they come: at every tick of
// Timer1 the bar is as the last tick of Timer2 (or the load) left it, and
// each tick of Timer2 sets it to the clock's second.
TEST(SecondsBarTest, realTimers_moveBarOnlyOnTimer2sTicks) {
    RealApp app({15, 4, 31});
    windows::MainForm& f = app.main();
    const QWidget* bar = app.widget(f.shpscale);
    int left = bar->width();
    int movedOnTimer1 = 0;
    int wrongOnTimer2 = 0;
    TickCounter timer1(driverOf(bar->window(), f.Timer1),
                       [&] { movedOnTimer1 += bar->width() != left ? 1 : 0; });
    TickCounter timer2(driverOf(bar->window(), f.Timer2), [&] {
        wrongOnTimer2 += bar->width() != filledPixels(app.clock.time.second) ? 1 : 0;
        left = bar->width();
        app.clock.time.second = app.clock.time.second == 31 ? 59 : 31;
    });
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return timer2.count >= 2 && timer1.count >= 2; }, 2 * kPatienceMs));
    EXPECT_EQ(movedOnTimer1, 0) << "of " << timer1.count << " ticks of Timer1";
    EXPECT_EQ(wrongOnTimer2, 0) << "of " << timer2.count << " ticks of Timer2";
}

}  // namespace
}  // namespace kanmeri::platform::testing
