// Behaviour of the controls that handlers rely on.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/controls.h"
#include "model/tests/support/printers.h"
#include "model/tests/support/recording_services.h"
#include "model/window.h"

namespace kanmeri::model {
namespace {

// Measures in the recording services' fixed pitch.
const testing::RecordingServices kMeasure;

class Scratch : public Window {
public:
    Scratch() : Window({u"scratch", u"", 1500, 1500, 0xFFFFFF, "", ""}, kMeasure) {}

protected:
    std::unique_ptr<Form> createForm() override { return std::make_unique<Form>(*this); }
};

class ControlsTest : public ::testing::Test {
protected:
    ControlsTest() { window.load(); }

    Form& form() { return window.form(); }
    TextBox& box() { return form().add<TextBox>({.name = u"box", .tab = 0}); }

    Scratch window;
};

TEST_F(ControlsTest, setText_putsCaretAtStartAndFiresChangeOnlyOnDifference) {
    TextBox& b = box();
    int changes = 0;
    b.change.bind([&] { ++changes; });
    b.edit(u"2000", 4);
    EXPECT_EQ(b.caret(), 4U);
    b.setText(u"  ");
    EXPECT_EQ(b.caret(), 0U);
    b.setText(u"  ");
    EXPECT_EQ(changes, 2);
}

TEST_F(ControlsTest, optionGroup_selectingOneClearsTheOthersOfItsFrameOnly) {
    Frame& f = form().add<Frame>({.name = u"Frame1", .tab = 1});
    auto& a = form().add<OptionButton>(
        {.name = u"o", .index = 0, .tab = 2, .frame = &f, .selected = true});
    auto& b = form().add<OptionButton>({.name = u"o", .index = 1, .tab = 3, .frame = &f});
    auto& loose = form().add<OptionButton>({.name = u"p", .tab = 4, .selected = true});
    std::vector<Control*> notified;
    form().setObserver([&](Control& c, Property p) {
        if (p == Property::Value) {
            notified.push_back(&c);
        }
    });
    b.select();
    EXPECT_FALSE(a.value());
    EXPECT_TRUE(b.value());
    EXPECT_TRUE(loose.value());
    EXPECT_EQ(notified, (std::vector<Control*>{&b, &a}));
}

TEST_F(ControlsTest, firstFocusable_skipsLabelsAndLandsOnSelectedOption) {
    form().add<Label>({.name = u"l", .tab = 0});
    Frame& f = form().add<Frame>({.name = u"Frame1", .tab = 1});
    form().add<OptionButton>({.name = u"o", .index = 0, .tab = 2, .frame = &f});
    auto& second = form().add<OptionButton>(
        {.name = u"o", .index = 1, .tab = 3, .frame = &f, .selected = true});
    form().add<CommandButton>({.name = u"c", .tab = 4});
    EXPECT_EQ(form().firstFocusable(), &second);
    EXPECT_EQ(form().tabOrder().size(), 3U);
}

TEST_F(ControlsTest, shapeSetWidth_keepsLeftEdge) {
    auto& s = form().add<Shape>({.name = u"s", .rect = {840, 1320, 5415, 135}});
    s.setWidth(2707.5F);
    EXPECT_EQ(s.rect(), (TwipsRect{840, 1320, 2707.5F, 135}));
}

struct BarRow {
    const char* name;
    float outline;  // width of the outline; 0 for a shape that fills none
    float filled;
    std::u16string description;
};

class BarTest : public ControlsTest, public ::testing::WithParamInterface<BarRow> {};

TEST_P(BarTest, description_tellsFilledShareAsWholePercent) {
    const BarRow& row = GetParam();
    auto& outline = form().add<Shape>({.name = u"o", .rect = {0, 0, row.outline, 9}});
    auto& filled = form().add<Shape>({.name = u"f",
                                      .rect = {0, 0, row.filled, 9},
                                      .bar = row.outline >= 0 ? &outline : nullptr});
    EXPECT_EQ(filled.description(), row.description);
    EXPECT_EQ(outline.description(), u"");
}

INSTANTIATE_TEST_SUITE_P(Rows, BarTest,
                         ::testing::Values(BarRow{"empty", 5415, 0, u"0%"},
                                           BarRow{"second_1", 5415, 90.25F, u"2%"},
                                           BarRow{"second_30", 5415, 2707.5F, u"50%"},
                                           BarRow{"second_59", 5415, 5324.75F, u"98%"},
                                           BarRow{"overfull", 5415, 6000, u"100%"},
                                           BarRow{"zero_outline", 0, 10, u""},
                                           BarRow{"no_outline", -1, 10, u""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ControlsTest, accessibleName_isDesignNameElseCaption) {
    auto& named = form().add<Label>(
        {.name = u"a", .tab = 0, .caption = u"caption", .accessibleName = u"名前"});
    auto& plain = form().add<Label>({.name = u"b", .tab = 1, .caption = u"caption"});
    auto& box = form().add<TextBox>({.name = u"c", .tab = 2, .accessibleName = u"数字"});
    box.setText(u"typed");
    plain.setCaption(u"new caption");
    EXPECT_EQ(named.accessibleName(), u"名前");
    EXPECT_EQ(plain.accessibleName(), u"new caption");
    EXPECT_EQ(box.accessibleName(), u"数字");
}

struct RoleRow {
    const char* name;
    ControlKind kind;
    Role role;
};

class RoleTest : public ControlsTest, public ::testing::WithParamInterface<RoleRow> {};

TEST_P(RoleTest, role_followsFromKind) {
    const ControlDesign design{.name = u"c"};
    Control* control = nullptr;
    switch (GetParam().kind) {
        case ControlKind::TextBox: control = &form().add<TextBox>(design); break;
        case ControlKind::Label: control = &form().add<Label>(design); break;
        case ControlKind::CommandButton: control = &form().add<CommandButton>(design); break;
        case ControlKind::OptionButton: control = &form().add<OptionButton>(design); break;
        case ControlKind::Frame: control = &form().add<Frame>(design); break;
        case ControlKind::Shape: control = &form().add<Shape>(design); break;
        case ControlKind::Timer: control = &form().add<Timer>(design); break;
    }
    EXPECT_EQ(control->role(), GetParam().role);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RoleTest,
    ::testing::Values(RoleRow{"text_box", ControlKind::TextBox, Role::Entry},
                      RoleRow{"label", ControlKind::Label, Role::StaticText},
                      RoleRow{"button", ControlKind::CommandButton, Role::Button},
                      RoleRow{"option", ControlKind::OptionButton, Role::Option},
                      RoleRow{"frame", ControlKind::Frame, Role::Group},
                      RoleRow{"shape", ControlKind::Shape, Role::Graphic},
                      RoleRow{"timer", ControlKind::Timer, Role::None}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ControlsTest, shapeFillingAnOutline_isProgressBar) {
    auto& outline = form().add<Shape>({.name = u"o"});
    EXPECT_EQ(form().add<Shape>({.name = u"f", .bar = &outline}).role(), Role::ProgressBar);
}

// 12 points are 16 px: an ASCII character 8 px, any other 16 px.
struct AutoSizeRow {
    const char* name;
    bool border;
    std::u16string caption;
    TwipsRect rect;  // after the caption is set
};

class AutoSizeTest : public ControlsTest, public ::testing::WithParamInterface<AutoSizeRow> {};

TEST_P(AutoSizeTest, setCaption_sizesLabelToCaptionOnOneLine) {
    const AutoSizeRow& row = GetParam();
    auto& label = form().add<Label>({.name = u"l",
                                     .rect = {840, 840, 3075, 300},
                                     .caption = u"xx",
                                     .font = {12, true, true},
                                     .border = row.border,
                                     .autoSize = true});
    std::vector<Property> notified;
    form().setObserver([&](Control&, Property p) { notified.push_back(p); });
    label.setCaption(row.caption);
    EXPECT_EQ(label.rect(), row.rect);
    EXPECT_EQ(notified, (std::vector{Property::Caption, Property::Geometry}));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AutoSizeTest,
    ::testing::Values(AutoSizeRow{"bordered", true, u"  12:01", {840, 840, 900, 300}},
                      AutoSizeRow{"plain", false, u"  12:01", {840, 840, 840, 240}},
                      AutoSizeRow{"wide_characters", true, u"木曜日", {840, 840, 780, 300}},
                      AutoSizeRow{"empty", true, u"", {840, 840, 60, 300}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ControlsTest, autoSizeLabel_takesCaptionSizeAtCreation_otherLabelsKeepDesignSize) {
    const TwipsRect design{0, 0, 3000, 3000};
    auto& sized = form().add<Label>(
        {.name = u"a", .rect = design, .caption = u"ab", .font = {12}, .autoSize = true});
    auto& fixed = form().add<Label>({.name = u"b", .rect = design, .caption = u"ab", .font = {12}});
    fixed.setCaption(u"abcdef");
    EXPECT_EQ(sized.rect(), (TwipsRect{0, 0, 240, 240}));
    EXPECT_EQ(fixed.rect(), design);
}

// A control that announces its captions is heard at every caption with text
// set on it, changed or not, after the change itself; blanks (ASCII and
// ideographic spaces, or nothing) are never heard, nor is a control that
// does not announce.
TEST_F(ControlsTest, setCaption_announcesEveryCaptionWithTextOnlyWhereDesigned) {
    using P = Property;
    const struct {
        const char* name;
        bool announces;
        std::vector<Text> captions;  // set in this order, from an empty caption
        std::vector<P> heard;        // the label's notices, in order
    } rows[] = {
        {"a result",
         true,
         {u" お探しの日の曜日は\u3000土曜日\u3000です"},
         {P::Caption, P::Announcement}},
        {"the same result twice",
         true,
         {u"大吉", u"大吉"},
         {P::Caption, P::Announcement, P::Announcement}},
        {"one space", true, {u" "}, {P::Caption}},
        {"the same blank twice", true, {u" ", u" "}, {P::Caption}},
        {"ideographic and ASCII blanks", true, {u"\u3000 \u3000"}, {P::Caption}},
        {"emptied", true, {u"大吉", u""}, {P::Caption, P::Announcement, P::Caption}},
        {"text among blanks", true, {u"\u3000\u3000＊\u3000\u3000"}, {P::Caption, P::Announcement}},
        {"not announcing",
         false,
         {u"  12:01:02(am)  ", u"  12:01:02(am)  ", u"  12:01:03(am)  "},
         {P::Caption, P::Caption}},
    };
    testing::forEachRow(rows, [&](const auto& row) {
        auto& label = form().add<Label>({.name = u"l", .tab = 0, .announces = row.announces});
        std::vector<P> heard;
        form().setObserver([&](Control& c, P p) {
            if (&c == &label) {
                heard.push_back(p);
            }
        });
        for (const Text& caption : row.captions) {
            label.setCaption(caption);
        }
        EXPECT_EQ(heard, row.heard);
        EXPECT_EQ(label.caption(), row.captions.back());
    });
}

TEST_F(ControlsTest, description_isTheDesignsUnlessTheKindTellsItsState) {
    auto& box = form().add<TextBox>({.name = u"insuu",
                                     .tab = 0,
                                     .accessibleName = u"好きな数字（１桁）",
                                     .accessibleDescription = u"Alt+G で占います"});
    auto& plain = form().add<Label>({.name = u"l", .tab = 1, .caption = u"ＧＯ"});
    EXPECT_EQ(box.description(), u"Alt+G で占います");
    EXPECT_EQ(plain.description(), u"");
    EXPECT_FALSE(box.design().announces);
}

// The ticks of both timers the windows have, from an even second of the wall
// clock (ms since the epoch): a tick lands kTickMarginMs after the next grid
// point, whatever the clock read when it was armed.
TEST(TimerTest, msToTick_landsMarginAfterNextGridPoint) {
    constexpr std::int64_t kEven = 1'765'000'000'000;
    const struct {
        const char* name;
        std::int64_t now;
        int interval;
        std::int64_t due;
    } rows[] = {
        {"armed at the margin, on time", kEven + 2, 100, kEven + 102},
        {"armed late", kEven + 9, 100, kEven + 102},
        {"armed on the grid point, inside the margin", kEven, 100, kEven + 2},
        {"armed a millisecond before the margin", kEven + 1, 100, kEven + 2},
        {"armed just before the grid point", kEven - 1, 100, kEven + 2},
        {"2000 ms armed at an even second", kEven + 2, 2000, kEven + 2002},
        {"2000 ms armed at an odd second", kEven + 1002, 2000, kEven + 2002},
        {"100 ms armed in the tenth before, same instant", kEven + 1902, 100, kEven + 2002},
        {"clock set back 5 min 0.437 s", kEven + 102 - 300'437, 100, kEven - 300'300 + 2},
        {"clock set forward 5 min 0.71 s", kEven + 102 + 300'710, 100, kEven + 300'900 + 2},
        {"2000 ms, clock set back 1 min 1.5 s", kEven + 2 - 61'500, 2000, kEven - 60'000 + 2},
    };
    testing::forEachRow(rows, [](const auto& row) {
        const int ms = msToTick(row.now, row.interval);
        EXPECT_EQ(row.now + ms, row.due);
        EXPECT_GE(ms, 1);
        EXPECT_LE(ms, row.interval);
    });
}

}  // namespace
}  // namespace kanmeri::model
