// The running date and time in both real windows on a fixed clock: the
// timers the windows run, the first tick, the auto-sized labels, the option
// buttons clicked with the mouse, and that a tick which changes no text draws
// nothing. The ticks are fired by hand where the test needs one at a known
// moment; real ticks are only counted, however late they come.
#include <gtest/gtest.h>

#include <QPointer>
#include <QRadioButton>
#include <QTimer>
#include <vector>

#include "platform/tests/clock_support.h"
#include "platform/tests/real_app.h"

namespace kanmeri::platform::testing {
namespace {

constexpr model::Date kDate{2026, 12, 8};
constexpr model::TimeOfDay kTime{15, 4, 5};
const std::string kDateShown = kanmeri::testing::utf8(u"  2026年12月08日(火曜日)  ");
const std::string k12Shown = kanmeri::testing::utf8(u"  03:04:05 (PM)  ");
const std::string k24Shown = kanmeri::testing::utf8(u"  15:04:05  ");

// The clock controls of whichever window is open.
struct Display {
    model::Timer& Timer1;
    model::Label& dspdate;
    model::Label& dsptime;
    model::OptionButton& outtime0;
    model::OptionButton& outtime1;
};

Display mainDisplay(RealApp& app) {
    windows::MainForm& f = app.main();
    return {f.Timer1, f.dspdate, f.dsptime, f.outtime0, f.outtime1};
}

Display clockDisplay(RealApp& app) {
    app.openClock();
    windows::ClockForm& f = app.windows.clock.controls();
    return {f.Timer1, f.dspdate, f.dsptime, f.outtime0, f.outtime1};
}

struct Step {
    const char* name;
    model::OptionButton& (*click)(Display&);  // null: no click, the opening tick
    const std::string& time;
};

struct WindowRow {
    const char* name;
    Display (*open)(RealApp&);
    std::vector<Step> steps;
};

model::OptionButton& twelve(Display& d) {
    return d.outtime0;
}
model::OptionButton& twentyFour(Display& d) {
    return d.outtime1;
}

const WindowRow kWindows[] = {
    {"main window",
     mainDisplay,
     {{"first tick", nullptr, k12Shown},
      {"24-hour option", twentyFour, k24Shown},
      {"12-hour option", twelve, k12Shown}}},
    {"clock window",
     clockDisplay,
     {{"first tick", nullptr, k24Shown},
      {"12-hour option", twelve, k12Shown},
      {"24-hour option", twentyFour, k24Shown}}},
};

TEST(RunningClockTest, ticksAndOptionClicks_showTimeFormWithinOneTick) {
    for (const WindowRow& window : kWindows) {
        SCOPED_TRACE(window.name);
        RealApp app(kDate, kTime);
        Display d = window.open(app);
        QTimer* ticker = driverOf(app.widget(d.dspdate)->window(), d.Timer1);
        const QWidget* date = app.widget(d.dspdate);
        const QWidget* time = app.widget(d.dsptime);
        std::map<std::string, int> widthOf;
        for (const Step& step : window.steps) {
            SCOPED_TRACE(step.name);
            if (step.click != nullptr) {
                QTest::mouseClick(app.widget(step.click(d)), Qt::LeftButton);
                EXPECT_TRUE(app.widget<QRadioButton>(step.click(d))->isChecked());
            }
            fire(ticker);  // the next tick, whenever the real one would come
            EXPECT_EQ(shown(time), step.time);
            EXPECT_EQ(shown(date), kDateShown);
            expectFitsOneLine(date, d.dspdate);
            expectFitsOneLine(time, d.dsptime);
            widthOf[step.time] = time->width();
        }
        EXPECT_LT(widthOf[k24Shown], widthOf[k12Shown]) << "the label keeps its old width";
    }
}

TEST(RunningClockTest, shownWindows_armTheirTimersOnTheGridOfTheirIntervalsUntilTheyClose) {
    RealApp app(kDate, kTime);
    windows::MainForm& f = app.main();
    const struct {
        const char* name;
        const model::Timer& timer;
        int intervalMs;
    } rows[] = {{"Timer1", f.Timer1, 100}, {"Timer2", f.Timer2, 2000}};
    std::vector<QPointer<QTimer>> drivers;
    const auto expectDriver = [&](const auto& row) {
        QTimer* driver = driverOf(app.view(app.windows.main), row.timer);
        ASSERT_NE(driver, nullptr);
        expectArmedOnGrid(*driver, row.intervalMs);
        // A tick arms the next one, on the same grid.
        fire(driver);
        expectArmedOnGrid(*driver, row.intervalMs);
        drivers.emplace_back(driver);
    };
    forEachRow(rows, expectDriver);
    ASSERT_EQ(drivers.size(), std::size(rows)) << "a timer without its driver";
    // The real timer drives the clock: its ticks come, and they draw.
    {
        TickCounter ticks(drivers[0]);
        ASSERT_TRUE(QTest::qWaitFor([&] { return ticks.count >= 2; }, kPatienceMs));
        EXPECT_EQ(shown(app.widget(f.dsptime)), k12Shown);
    }

    app.openClock();
    for (const QPointer<QTimer>& driver : drivers) {
        EXPECT_TRUE(driver.isNull() || !driver->isActive()) << "a closed window's timer runs";
    }
    windows::ClockForm& c = app.windows.clock.controls();
    QTimer* clockDriver = driverOf(app.view(app.windows.clock), c.Timer1);
    ASSERT_NE(clockDriver, nullptr);
    expectArmedOnGrid(*clockDriver, 100);
}

// Counts the paint events that reach one widget.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* watched) { watched->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        count += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

TEST(RunningClockTest, tick_repaintsOnlyTheLabelsWhoseTextChanged) {
    const struct {
        const char* name;
        void (*change)(kanmeri::testing::FakeClock&);
        bool datePaints;
        bool timePaints;
    } rows[] = {
        {"same time", [](kanmeri::testing::FakeClock&) {}, false, false},
        {"next second", [](kanmeri::testing::FakeClock& c) { c.time.second += 1; }, false, true},
        {"next day", [](kanmeri::testing::FakeClock& c) { c.date.day += 1; }, true, false},
    };
    const auto expectPaints = [&](const auto& row) {
        RealApp app(kDate, kTime);
        Display d = mainDisplay(app);
        QWidget* date = app.widget(d.dspdate);
        QWidget* time = app.widget(d.dsptime);
        QTimer* ticker = driverOf(date->window(), d.Timer1);
        // Whatever the first tick and the first frame paint is painted before
        // the counting starts.
        fire(ticker);
        ASSERT_EQ(shown(time), k12Shown);
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        PaintCounter datePaints(date);
        PaintCounter timePaints(time);
        row.change(app.clock);
        fire(ticker);
        fire(ticker);
        // And two of the real timer's ticks, however long they take to come.
        TickCounter real(ticker);
        ASSERT_TRUE(QTest::qWaitFor([&] { return real.count >= 2; }, kPatienceMs));
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        EXPECT_EQ(datePaints.count > 0, row.datePaints) << datePaints.count << " date paints";
        EXPECT_EQ(timePaints.count > 0, row.timePaints) << timePaints.count << " time paints";
    };
    forEachRow(rows, expectPaints);
}

// Auto-size labels with captions that end in a glyph, not a blank: the
// width must hold the whole caption, the slant of its last italic glyph
// included, or the last character goes onto a second line that the label
// clips away.
TEST(AutoSizeTest, captionEndingInAGlyph_staysOnOneLine) {
    const struct {
        const char* name;
        model::Text caption;
    } captions[] = {
        {"date placeholder", u"xxxxxxxxxxxxxxxxxxxxxxxxx"},
        {"digits", u"12:01:02"},
        {"kanji", u"運勢占い"},
        {"one glyph", u"x"},
    };
    RealApp app(kDate, kTime);
    windows::MainForm& f = app.main();
    for (model::Label* label : {&f.dspdate, &f.dsptime, &f.secdisp}) {
        SCOPED_TRACE(kanmeri::testing::utf8(label->name()));
        for (const auto& row : captions) {
            SCOPED_TRACE(row.name);
            label->setCaption(row.caption);
            expectFitsOneLine(app.widget(*label), *label);
        }
    }
}

}  // namespace
}  // namespace kanmeri::platform::testing
