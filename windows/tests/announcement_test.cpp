// What the windows have a screen reader speak as their handlers run: each
// result of the weekday lookup and of the fortune draw, once every time it is
// shown, and nothing of the blanks the entries' clicks leave, of refused
// entries (their message box speaks) or of the running clock.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "model/tests/support/printers.h"
#include "windows/tests/harness.h"

namespace kanmeri::windows::testing {
namespace {

using model::Property;
using model::Text;

struct AnnouncementRow {
    const char* name;
    std::function<void(MainForm&)> act;  // one dispatch each
    std::vector<Text> announced;         // the controls announced, in order
};

void date(MainForm& f, model::TextView entry) {
    f.inymd.edit(Text(entry), entry.size());
}
void lookUp(MainForm& f, model::TextView entry) {
    date(f, entry);
    f.okBotan.click.raise();
}
void draw(MainForm& f) {
    f.insuu.edit(u"5", 1);
    f.stop.click.raise();
}

const AnnouncementRow kRows[] = {
    {"okBotan_withDate_announcesWeekday",
     [](MainForm& f) { lookUp(f, u"2000/01/01"); },
     {u"outyoubi"}},
    {"okBotan_again_announcesSameWeekdayAgain",
     [](MainForm& f) {
         lookUp(f, u"2000/01/01");
         f.okBotan.click.raise();
     },
     {u"outyoubi", u"outyoubi"}},
    {"okBotan_outOfRange_announcesNothing", [](MainForm& f) { lookUp(f, u"9999/12/31"); }, {}},
    {"okBotan_notADate_announcesNothing", [](MainForm& f) { lookUp(f, u"2000/13/45"); }, {}},
    {"inymd_click_blankAnnouncesNothing",
     [](MainForm& f) {
         lookUp(f, u"2000/01/01");
         f.inymd.click.raise();
     },
     {u"outyoubi"}},
    {"stop_withDigit_announcesFortune", draw, {u"secdisp"}},
    {"stop_sameMessageAgain_announcesItAgain",
     [](MainForm& f) {
         draw(f);
         draw(f);  // the same digit in the same second: the same message
     },
     {u"secdisp", u"secdisp"}},
    {"stop_withoutDigit_announcesNothing", [](MainForm& f) { f.stop.click.raise(); }, {}},
    {"insuu_click_blankAnnouncesNothing",
     [](MainForm& f) {
         draw(f);
         f.insuu.click.raise();
     },
     {u"secdisp"}},
    {"noBotan_click_announcesNothing", [](MainForm& f) { f.noBotan.click.raise(); }, {}},
};

void PrintTo(const AnnouncementRow& row, std::ostream* os) {
    *os << row.name;
}

struct Notice {
    Text control;
    Property property;
};

// Every notice of `form` while `act` runs.
std::vector<Notice> noticesDuring(model::Form& form, const std::function<void()>& act) {
    std::vector<Notice> notices;
    form.setObserver([&](model::Control& control, Property property) {
        notices.push_back({control.name(), property});
    });
    act();
    form.setObserver({});
    return notices;
}

std::vector<Text> named(const std::vector<Notice>& notices, Property property) {
    std::vector<Text> names;
    for (const Notice& notice : notices) {
        if (notice.property == property) {
            names.push_back(notice.control);
        }
    }
    return names;
}

class AnnouncementTest : public ::testing::TestWithParam<AnnouncementRow> {};

TEST_P(AnnouncementTest, handler_announcesItsResultsOnly) {
    const AnnouncementRow& row = GetParam();
    Harness h;
    h.fakeClock.time = {12, 0, 30};
    h.start();
    const auto notices = noticesDuring(h.main(), [&] { h.dispatch([&] { row.act(h.main()); }); });
    EXPECT_EQ(named(notices, Property::Announcement), row.announced);
}

INSTANTIATE_TEST_SUITE_P(Rows, AnnouncementTest, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

// The clocks' ticks change their labels' captions and never announce one.
TEST(AnnouncementTest, clockTicks_ofEitherWindow_announceNothing) {
    Harness h(Harness::kStarted);
    const auto ticks = [&](model::Form& form, const std::vector<model::Timer*>& timers) {
        return noticesDuring(form, [&] {
            for (int second = 57; second < 60; ++second) {
                h.fakeClock.time = {23, 59, second};
                for (model::Timer* timer : timers) {
                    h.services.raise(*timer, timer->timer);
                }
            }
        });
    };
    const auto main = ticks(h.main(), {&h.main().Timer1, &h.main().Timer2});
    EXPECT_EQ(named(main, Property::Announcement), std::vector<Text>{});
    EXPECT_GE(named(main, Property::Caption).size(), 3U) << "the main clock did not tick";
    h.toClock();
    const auto clock = ticks(h.clock(), {&h.clock().Timer1});
    EXPECT_EQ(named(clock, Property::Announcement), std::vector<Text>{});
    EXPECT_GE(named(clock, Property::Caption).size(), 3U) << "the clock window did not tick";
}

TEST(AnnouncementTest, onlyTheTwoResultLabels_announce) {
    Harness h(Harness::kStarted);
    std::vector<Text> announcing;
    for (const auto& control : h.main().controls()) {
        if (control->design().announces) {
            announcing.push_back(control->name());
        }
    }
    EXPECT_EQ(announcing, (std::vector<Text>{u"outyoubi", u"secdisp"}));
    h.toClock();
    for (const auto& control : h.clock().controls()) {
        EXPECT_FALSE(control->design().announces) << kanmeri::testing::utf8(control->name());
    }
}

TEST(AnnouncementTest, numberEntry_isDescribedByTheKeyThatDraws) {
    Harness h(Harness::kStarted);
    const MainForm& f = h.main();
    EXPECT_EQ(f.insuu.description(), u"Alt+G で占います");
    EXPECT_EQ(f.insuu.accessibleName(), u"好きな数字（１桁）");
    EXPECT_EQ(f.stop.design().accessKey, u'G');
    EXPECT_EQ(f.inymd.description(), u"");
}

}  // namespace
}  // namespace kanmeri::windows::testing
