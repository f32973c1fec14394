// The whole program wired as the entry wires it, driven through its real
// widgets: a lookup, the switch to the clock window and back, and many round
// trips that must not grow the process.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <cstdio>
#include <memory>

#include "model/program.h"
#include "platform/caption_text.h"
#include "platform/qt_services.h"
#include "platform/window_frame.h"
#include "platform/tests/widgets_of.h"
#include "windows/app_windows.h"

namespace kanmeri::integration {
namespace {

#if defined(__SANITIZE_ADDRESS__)
// The sanitizers' own bookkeeping grows the resident size; LeakSanitizer
// checks the shorter run at exit instead.
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

// Lets the views that an unload handed to deleteLater go, and the rest of the
// queued work run.
void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

long residentKib() {
    long pages = 0;
    long resident = 0;
    if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) {
            resident = 0;
        }
        std::fclose(statm);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// The program as app/main.cpp builds it, with the main window shown.
class WholeProgram : public ::testing::Test {
protected:
    WholeProgram() {
        windows.registerWith(program);
        services.deliver([this] { services.showWindow(windows.main); });
        settle();
    }
    // Ends as the exit button does, so that no view outlives its window.
    ~WholeProgram() override {
        services.deliver([this] { services.endProgram(); });
        settle();
    }

    static QWidget* view(const model::Window& window) { return platform::testing::viewOf(window); }
    static QWidget* widget(const model::Window& /*window*/, const model::Control& control) {
        return platform::testing::widgetOf(control);
    }
    void click(const model::Window& window, const model::Control& control) {
        QWidget* target = widget(window, control);
        ASSERT_NE(target, nullptr);
        QTest::mouseClick(target, Qt::LeftButton);
        settle();
    }
    void roundTrip() {
        click(windows.main, windows.main.controls().Command2);
        click(windows.clock, windows.clock.controls().Command1);
    }

    model::Program program;
    platform::QtClock clock;
    platform::WindowFrame frame;
    platform::QtServices services{program, frame};
    const platform::CaptionMeasure measure;
    windows::AppWindows windows{services, measure, clock};
};

TEST_F(WholeProgram, lookupThenSwitch_showsWeekdayAndBringsMainBackFresh) {
    QWidget* main = view(windows.main);
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(main));
    EXPECT_EQ(main->windowTitle(),
              QString::fromUtf16(u"曜日探し\u3000＆\u3000今週から1週間の運勢占い（当たるかな？）"));
    const model::Text designCaption = windows.main.controls().outyoubi.caption();

    auto* entry = qobject_cast<QLineEdit*>(widget(windows.main, windows.main.controls().inymd));
    ASSERT_NE(entry, nullptr);
    entry->clear();
    QTest::keyClicks(entry, QStringLiteral("2000/01/01"));
    click(windows.main, windows.main.controls().okBotan);
    EXPECT_EQ(windows.main.controls().outyoubi.caption(),
              u" お探しの日の曜日は\u3000土曜日\u3000です");

    click(windows.main, windows.main.controls().Command2);
    EXPECT_EQ(view(windows.main), nullptr);
    ASSERT_NE(view(windows.clock), nullptr);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(view(windows.clock)));
    EXPECT_EQ(view(windows.clock)->windowTitle(), QString::fromUtf16(u"日付と時刻の表示"));
    const model::Label& clockTime = windows.clock.controls().dsptime;
    EXPECT_TRUE(QTest::qWaitFor([&] { return clockTime.caption() != u"  12:01:02(am)  "; }, 60000))
        << "the clock window's first tick did not replace the placeholder";

    click(windows.clock, windows.clock.controls().Command1);
    EXPECT_EQ(view(windows.clock), nullptr);
    ASSERT_NE(view(windows.main), nullptr);
    EXPECT_EQ(windows.main.controls().outyoubi.caption(), designCaption);
    EXPECT_TRUE(windows.main.loaded());
}

TEST_F(WholeProgram, thousandRoundTrips_keepResidentSizeFlat) {
    const int rounds = kSanitized ? 50 : 1000;
    for (int i = 0; i < 10; ++i) {
        roundTrip();
    }
    const long afterTenth = residentKib();
    for (int i = 10; i < rounds; ++i) {
        roundTrip();
        ASSERT_FALSE(HasFatalFailure()) << "round trip " << i + 1;
    }
    const long afterLast = residentKib();
    ASSERT_NE(view(windows.main), nullptr);
    EXPECT_EQ(view(windows.clock), nullptr);
    RecordProperty("resident_kib_after_10", static_cast<int>(afterTenth));
    RecordProperty("resident_kib_after_last", static_cast<int>(afterLast));
    std::printf("resident after 10 round trips: %ld KiB, after %d: %ld KiB\n", afterTenth, rounds,
                afterLast);
    if (!kSanitized) {
        EXPECT_LE(afterLast - afterTenth, 2048) << "KiB grown over " << rounds - 10 << " trips";
    }
}

}  // namespace
}  // namespace kanmeri::integration
