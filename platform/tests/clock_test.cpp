// The running date and time in both real windows on a fixed clock: the first
// tick, the auto-sized labels, the option buttons clicked with the mouse, and
// that a tick which changes no text draws nothing.
#include <gtest/gtest.h>

#include <QRadioButton>

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
    QTest::mouseClick(app.widget(app.main().Command2), Qt::LeftButton);
    windows::ClockForm& f = app.windows.clockWindow().controls();
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
        const QWidget* date = app.widget(d.dspdate);
        const QWidget* time = app.widget(d.dsptime);
        std::map<std::string, int> widthOf;
        for (const Step& step : window.steps) {
            SCOPED_TRACE(step.name);
            if (step.click != nullptr) {
                QTest::mouseClick(app.widget(step.click(d)), Qt::LeftButton);
                EXPECT_TRUE(app.widget<QRadioButton>(step.click(d))->isChecked());
            }
            const qint64 took = waitUntil([&] { return shown(time) == step.time; }, 150);
            EXPECT_GE(took, 0) << "still shows " << shown(time);
            EXPECT_EQ(shown(date), kDateShown);
            expectFitsOneLine(date, d.dspdate);
            expectFitsOneLine(time, d.dsptime);
            widthOf[step.time] = time->width();
        }
        EXPECT_LT(widthOf[k24Shown], widthOf[k12Shown]) << "the label keeps its old width";
    }
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
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        RealApp app(kDate, kTime);
        Display d = mainDisplay(app);
        QWidget* date = app.widget(d.dspdate);
        QWidget* time = app.widget(d.dsptime);
        PaintCounter datePaints(date);
        PaintCounter timePaints(time);
        ASSERT_GE(waitUntil([&] { return shown(time) == k12Shown; }, 150), 0);
        QTest::qWait(30);
        EXPECT_GT(datePaints.count + timePaints.count, 0) << "the first tick drew nothing";
        datePaints.count = 0;
        timePaints.count = 0;
        row.change(app.clock);
        for (int tick = 0; tick < 2; ++tick) {
            app.services.deliver([&] { d.Timer1.tick(); });
        }
        QTest::qWait(150);  // and the real timer's ticks
        EXPECT_EQ(datePaints.count > 0, row.datePaints) << datePaints.count << " date paints";
        EXPECT_EQ(timePaints.count > 0, row.timePaints) << timePaints.count << " time paints";
    }
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
