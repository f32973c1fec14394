// The windows themselves, the controls without a caption, the tab order, the
// first focus and the stacking.
#include <gtest/gtest.h>

#include <algorithm>

#include "model/tests/support/printers.h"
#include "windows/tests/design_table.h"
#include "windows/tests/harness.h"

namespace kanmeri::windows::testing {
namespace {

using model::ControlKind;
using model::Text;

std::vector<Text> namesOf(const std::vector<model::Control*>& controls) {
    std::vector<Text> names;
    for (const model::Control* control : controls) {
        Text name = control->name();
        if (control->design().index) {
            name.append(u"(")
                .append(1, static_cast<char16_t>(u'0' + *control->design().index))
                .append(u")");
        }
        names.push_back(name);
    }
    return names;
}

std::size_t position(const model::Form& form, const model::Control& control) {
    const auto& all = form.controls();
    return static_cast<std::size_t>(
        std::find_if(all.begin(), all.end(), [&](const auto& c) { return c.get() == &control; }) -
        all.begin());
}

TEST(WindowDesignTest, main_hasDesignCaptionSizeAndPictures) {
    const model::WindowDesign design = mainWindowDesign();
    EXPECT_EQ(design.name, Text(u"kanmeri"));
    EXPECT_EQ(design.caption,
              Text(u"曜日探し\u3000＆\u3000今週から1週間の運勢占い（当たるかな？）"));
    EXPECT_EQ((std::array{design.clientWidth, design.clientHeight}),
              (std::array{8700.0F, 5100.0F}));
    EXPECT_EQ(design.backColour, 0xFFFFFFU);
    EXPECT_EQ(design.picture, ":/kanmeri/paper_cream.jpg");
    EXPECT_EQ(design.icon, ":/kanmeri/smiley.ico");
}

TEST(WindowDesignTest, clock_hasDesignCaptionSizeAndPictures) {
    const model::WindowDesign design = clockWindowDesign();
    EXPECT_EQ(design.name, Text(u"kanmeri_jikoku"));
    EXPECT_EQ(design.caption, Text(u"日付と時刻の表示"));
    EXPECT_EQ((std::array{design.clientWidth, design.clientHeight}),
              (std::array{4365.0F, 1575.0F}));
    EXPECT_EQ(design.backColour, 0xFFFFFFU);
    EXPECT_EQ(design.picture, ":/kanmeri/paper_white.jpg");
    EXPECT_EQ(design.icon, ":/kanmeri/face_computer.ico");
}

TEST(WindowDesignTest, mainLoad_createsSecondsBarShapesAndTimers) {
    Harness h(Harness::kStarted);
    MainForm& f = h.main();
    EXPECT_EQ(f.controls().size(), 25U);
    EXPECT_EQ(f.shpwaku.rect(), (model::TwipsRect{840, 1320, 5415, 135}));
    EXPECT_EQ((std::array{f.shpwaku.design().fill, f.shpwaku.design().line}),
              (std::array<model::Rgb, 2>{0xFFFFFF, 0x000000}));
    EXPECT_EQ(f.shpscale.rect(), (model::TwipsRect{840, 1320, 735, 135}));
    EXPECT_EQ((std::array{f.shpscale.design().fill, f.shpscale.design().line}),
              (std::array<model::Rgb, 2>{0x008000, 0x000000}));
    EXPECT_EQ((std::tuple{f.Timer1.name(), f.Timer1.design().interval}),
              (std::tuple{Text(u"Timer1"), 100}));
    EXPECT_EQ((std::tuple{f.Timer2.name(), f.Timer2.design().interval}),
              (std::tuple{Text(u"Timer2"), 2000}));
}

TEST(WindowDesignTest, clockLoad_createsOneTimerAndNoBar) {
    Harness h(Harness::kOnClock);
    ClockForm& f = h.clock();
    EXPECT_EQ(f.controls().size(), 8U);
    EXPECT_EQ((std::tuple{f.Timer1.name(), f.Timer1.design().interval}),
              (std::tuple{Text(u"Timer1"), 100}));
    EXPECT_EQ(findControl(f, u"shpwaku"), nullptr);
    EXPECT_EQ(findControl(f, u"Timer2"), nullptr);
}

TEST(WindowDesignTest, mainLoad_tabsThroughFocusableControlsInDesignOrder) {
    Harness h(Harness::kStarted);
    const std::vector<Text> expected{u"inymd",  u"outtime(0)", u"outtime(1)", u"noﾎﾞﾀﾝ",
                                     u"okﾎﾞﾀﾝ", u"insuu",      u"Command1",   u"Command2"};
    EXPECT_EQ(namesOf(h.main().tabOrder()), expected);
    EXPECT_EQ(h.main().firstFocusable(), &h.main().inymd);
}

TEST(WindowDesignTest, clockLoad_focusesSelectedTwentyFourHourOption) {
    Harness h(Harness::kOnClock);
    const std::vector<Text> expected{u"outtime(0)", u"outtime(1)", u"Command1"};
    EXPECT_EQ(namesOf(h.clock().tabOrder()), expected);
    EXPECT_EQ(h.clock().firstFocusable(), &h.clock().outtime1);
}

TEST(WindowDesignTest, mainLoad_stacksWidgetsAboveLabelsAndFilledBarAboveOutline) {
    Harness h(Harness::kStarted);
    const MainForm& f = h.main();
    EXPECT_GT(position(f, f.shpscale), position(f, f.shpwaku));
    std::size_t lastGraphic = 0;
    std::size_t firstWidget = f.controls().size();
    for (const auto& control : f.controls()) {
        const ControlKind kind = control->kind();
        const bool graphic = kind == ControlKind::Label || kind == ControlKind::Shape;
        const bool widget = kind != ControlKind::Timer && !graphic;
        if (graphic) {
            lastGraphic = std::max(lastGraphic, position(f, *control));
        }
        if (widget) {
            firstWidget = std::min(firstWidget, position(f, *control));
        }
    }
    EXPECT_LT(lastGraphic, firstWidget);
}

TEST(WindowDesignTest, everyVisibleControl_hasRoleAndName) {
    Harness h(Harness::kOnClock);
    h.toMain();
    for (const model::Form* form : {static_cast<const model::Form*>(&h.main())}) {
        for (const auto& control : form->controls()) {
            SCOPED_TRACE(kanmeri::testing::utf8(control->name()));
            const bool drawn = control->kind() != model::ControlKind::Timer;
            EXPECT_EQ(control->role() != model::Role::None, drawn);
            // Only the bar's outline is a mere graphic, and a label that shows
            // nothing yet has nothing to say; everything else is named.
            const bool blank = control->kind() == model::ControlKind::Label &&
                               static_cast<const model::Label&>(*control).caption().empty();
            if (drawn && control.get() != &h.main().shpwaku && !blank) {
                EXPECT_FALSE(control->accessibleName().empty());
            }
        }
    }
}

TEST(WindowDesignTest, onlyGo_hasAccessKey) {
    Harness h(Harness::kStarted);
    for (const auto& control : h.main().controls()) {
        SCOPED_TRACE(kanmeri::testing::utf8(control->name()));
        EXPECT_EQ(control->design().accessKey, control.get() == &h.main().stop ? u'G' : u'\0');
    }
}

TEST(WindowDesignTest, secondsBar_describesShareOfItsOutline) {
    Harness h;
    h.fakeClock.time = {15, 4, 30};
    h.start();
    MainForm& f = h.main();
    EXPECT_EQ(f.shpscale.description(), u"14%");  // 735 of 5415 twips at load
    h.services.raise(f.Timer2, f.Timer2.timer);
    EXPECT_EQ(f.shpscale.description(), u"50%");
    EXPECT_EQ(f.shpwaku.description(), u"");
}

}  // namespace
}  // namespace kanmeri::windows::testing
