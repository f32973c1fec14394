// The date and time texts, the refresh tick and the seconds bar.
#include "features/running_clock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "features/tests/scratch_window.h"
#include "model/tests/support/printers.h"

namespace kanmeri::features {
namespace {

using model::Text;
using testing::utf8;
using testing::widen;

Text clockText(const char* format, int hour, int minute, int second) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, format, hour, minute, second);
    return widen(buffer);
}

TEST(TimeTexts, everyHourAtBothEdgesOfAMinute_inBothForms) {
    static constexpr int kTwelveHour[24] = {12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11,
                                            12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    for (int hour = 0; hour < 24; ++hour) {
        for (int minute : {0, 59}) {
            for (int second : {0, 59}) {
                SCOPED_TRACE(::testing::Message() << hour << ":" << minute << ":" << second);
                const model::TimeOfDay time{hour, minute, second};
                EXPECT_EQ(time24Text(time), clockText("%02d:%02d:%02d", hour, minute, second));
                EXPECT_EQ(time12Text(time),
                          clockText(hour < 12 ? "%02d:%02d:%02d (AM)" : "%02d:%02d:%02d (PM)",
                                    kTwelveHour[hour], minute, second));
            }
        }
    }
    EXPECT_EQ(time12Text({0, 0, 0}), u"12:00:00 (AM)");
    EXPECT_EQ(time12Text({12, 0, 0}), u"12:00:00 (PM)");
    EXPECT_EQ(time12Text({15, 4, 5}), u"03:04:05 (PM)");
    EXPECT_EQ(time24Text({0, 0, 0}), u"00:00:00");
}

TEST(DateText, monthEndLeapDayAndEveryWeekday_readInJapanese) {
    const std::vector<std::pair<model::Date, Text>> rows = {
        {{2000, 12, 21}, u"2000年12月21日(木曜日)"}, {{2000, 1, 31}, u"2000年01月31日(月曜日)"},
        {{2000, 2, 1}, u"2000年02月01日(火曜日)"},   {{2000, 2, 29}, u"2000年02月29日(火曜日)"},
        {{2000, 3, 1}, u"2000年03月01日(水曜日)"},   {{1999, 12, 31}, u"1999年12月31日(金曜日)"},
        {{100, 1, 1}, u"0100年01月01日(金曜日)"},    {{9999, 12, 31}, u"9999年12月31日(金曜日)"},
        {{2000, 1, 2}, u"2000年01月02日(日曜日)"},   {{2000, 1, 3}, u"2000年01月03日(月曜日)"},
        {{2000, 1, 4}, u"2000年01月04日(火曜日)"},   {{2000, 1, 5}, u"2000年01月05日(水曜日)"},
        {{2000, 1, 6}, u"2000年01月06日(木曜日)"},   {{2000, 1, 7}, u"2000年01月07日(金曜日)"},
        {{2000, 1, 8}, u"2000年01月08日(土曜日)"},
    };
    for (const auto& [date, text] : rows) {
        SCOPED_TRACE(utf8(text));
        EXPECT_EQ(dateText(date), text);
    }
}

// Counts its readings: a tick that read twice could pair one day's date with
// the next day's time.
class CountingClock : public testing::FakeClock {
public:
    [[nodiscard]] model::LocalTime read() const override {
        ++readings;
        return FakeClock::read();
    }
    mutable int readings = 0;
};

class ClockTicks : public ::testing::Test {
protected:
    ClockTicks() {
        model::Form& form = window.form();
        dspdate = &form.add<model::Label>({.name = u"dspdate"});
        dsptime = &form.add<model::Label>({.name = u"dsptime"});
        auto& frame = form.add<model::Frame>({.name = u"Frame1", .caption = u"時刻表示切替"});
        twelve = &form.add<model::OptionButton>({.name = u"outtime",
                                                 .index = 0,
                                                 .tab = 1,
                                                 .caption = u"１２時間表示",
                                                 .frame = &frame,
                                                 .selected = true});
        twentyFour = &form.add<model::OptionButton>({.name = u"outtime",
                                                     .index = 1,
                                                     .tab = 2,
                                                     .caption = u"２４時間表示",
                                                     .frame = &frame});
        form.setObserver([this](model::Control& control, model::Property) {
            changed.push_back(control.name());
        });
        clock.date = {2000, 12, 21};
        clock.time = {15, 4, 5};
    }
    void tick() { Timer1_Timer(ClockDisplay{*dspdate, *dsptime, *twelve}, clock); }

    testing::ScratchWindow window;
    model::Label* dspdate = nullptr;
    model::Label* dsptime = nullptr;
    model::OptionButton* twelve = nullptr;
    model::OptionButton* twentyFour = nullptr;
    CountingClock clock;
    std::vector<Text> changed;
};

TEST_F(ClockTicks, tick_framesBothTextsInTwoBlanksDateFirst) {
    tick();
    EXPECT_EQ(dspdate->caption(), u"  2000年12月21日(木曜日)  ");
    EXPECT_EQ(dsptime->caption(), u"  03:04:05 (PM)  ");
    EXPECT_EQ(clock.readings, 1);
}

TEST_F(ClockTicks, optionSwitch_takesEffectAtTheNextTickWithTheDateUntouched) {
    tick();
    twentyFour->select();
    EXPECT_EQ(dsptime->caption(), u"  03:04:05 (PM)  ");
    changed.clear();
    tick();
    EXPECT_EQ(dsptime->caption(), u"  15:04:05  ");
    EXPECT_EQ(dspdate->caption(), u"  2000年12月21日(木曜日)  ");
    EXPECT_EQ(changed, std::vector<Text>{u"dsptime"});
}

TEST_F(ClockTicks, unchangedTick_notifiesNothing) {
    tick();
    changed.clear();
    tick();
    EXPECT_TRUE(changed.empty());
}

// Read after read, this clock steps one second on from 2000/12/31
// 23:59:59: its first reading is the last second of the year, the next one is
// midnight. A tick that read the date and the time apart would show the old
// day with the new time, or the new day with the old time.
class SteppingClock : public testing::FakeClock {
public:
    [[nodiscard]] model::LocalTime read() const override {
        const model::LocalTime readings[] = {
            {{2000, 12, 31}, {23, 59, 59}}, {{2001, 1, 1}, {0, 0, 0}}, {{2001, 1, 1}, {0, 0, 1}}};
        const model::LocalTime now = readings[std::min(readings_, 2)];
        ++readings_;
        return now;
    }

private:
    mutable int readings_ = 0;
};

TEST_F(ClockTicks, atMidnight_showsDateAndTimeOfOneInstant) {
    const struct {
        const char* name;
        model::OptionButton* selected;
        Text time;
    } rows[] = {{"12-hour", twelve, u"  11:59:59 (PM)  "},
                {"24-hour", twentyFour, u"  23:59:59  "}};
    testing::forEachRow(rows, [&](const auto& row) {
        row.selected->select();
        const SteppingClock midnight;
        Timer1_Timer(ClockDisplay{*dspdate, *dsptime, *twelve}, midnight);
        EXPECT_EQ(dspdate->caption(), u"  2000年12月31日(日曜日)  ");
        EXPECT_EQ(dsptime->caption(), row.time);
    });
}

TEST(SecondsBar, widthGrowsBySixtiethsOfTheOutline) {
    testing::ScratchWindow window;
    auto& waku =
        window.form().add<model::Shape>({.name = u"shpwaku", .rect = {600, 3000, 5415, 255}});
    auto& scale =
        window.form().add<model::Shape>({.name = u"shpscale", .rect = {600, 3000, 1000, 255}});
    testing::FakeClock clock;
    const std::vector<std::pair<int, float>> rows = {
        {0, 0.0F}, {1, 90.25F}, {30, 2707.5F}, {59, 5324.75F}};
    for (const auto& [second, width] : rows) {
        SCOPED_TRACE(second);
        clock.time.second = second;
        Timer2_Timer(SecondsBar{waku, scale}, clock);
        EXPECT_EQ(scale.width(), width);
        EXPECT_EQ(scale.rect().left, 600.0F);
        EXPECT_EQ(waku.width(), 5415.0F);
    }
}

}  // namespace
}  // namespace kanmeri::features
