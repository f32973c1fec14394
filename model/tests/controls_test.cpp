// Behaviour of the controls that handlers rely on.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/controls.h"
#include "model/tests/support/printers.h"
#include "model/window.h"

namespace kanmeri::model {
namespace {

class Scratch : public Window {
public:
    Scratch() : Window({u"scratch", u"", 1500, 1500, 0xFFFFFF, "", ""}) {}

protected:
    std::unique_ptr<Form> createForm() override { return std::make_unique<Form>(*this); }
};

class ControlsTest : public ::testing::Test {
protected:
    ControlsTest() { window.load(); }

    Form& form() { return window.form(); }
    TextBox& box() {
        return form().add<TextBox>(ControlDesign{u"box", {}, {}, 0, {}}, TextBoxDesign{});
    }

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
    Frame& f = form().add<Frame>(ControlDesign{u"Frame1", {}, {}, 1, {}}, u"");
    auto& a = form().add<OptionButton>(ControlDesign{u"o", 0, {}, 2, {}}, u"a", true, &f);
    auto& b = form().add<OptionButton>(ControlDesign{u"o", 1, {}, 3, {}}, u"b", false, &f);
    auto& loose = form().add<OptionButton>(ControlDesign{u"p", {}, {}, 4, {}}, u"c", true);
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
    form().add<Label>(ControlDesign{u"l", {}, {}, 0, {}}, u"", LabelDesign{});
    Frame& f = form().add<Frame>(ControlDesign{u"Frame1", {}, {}, 1, {}}, u"");
    form().add<OptionButton>(ControlDesign{u"o", 0, {}, 2, {}}, u"a", false, &f);
    auto& second = form().add<OptionButton>(ControlDesign{u"o", 1, {}, 3, {}}, u"b", true, &f);
    form().add<CommandButton>(ControlDesign{u"c", {}, {}, 4, {}}, u"");
    EXPECT_EQ(form().firstFocusable(), &second);
    EXPECT_EQ(form().tabOrder().size(), 3U);
}

TEST_F(ControlsTest, shapeSetWidth_keepsLeftEdge) {
    auto& s =
        form().add<Shape>(ControlDesign{u"s", {}, {840, 1320, 5415, 135}, -1, {}}, ShapeDesign{});
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
    auto& outline =
        form().add<Shape>(ControlDesign{u"o", {}, {0, 0, row.outline, 9}, -1, {}}, ShapeDesign{});
    const ShapeDesign filledLook{0x008000, 0, row.outline >= 0 ? &outline : nullptr};
    auto& filled =
        form().add<Shape>(ControlDesign{u"f", {}, {0, 0, row.filled, 9}, -1, {}}, filledLook);
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
    auto& named = form().add<Label>(ControlDesign{u"a", {}, {}, 0, {}, Role::StaticText, u"名前"},
                                    u"caption", LabelDesign{});
    auto& plain = form().add<Label>(ControlDesign{u"b", {}, {}, 1, {}}, u"caption", LabelDesign{});
    auto& box = form().add<TextBox>(ControlDesign{u"c", {}, {}, 2, {}, Role::Entry, u"数字"},
                                    TextBoxDesign{});
    box.setText(u"typed");
    plain.setCaption(u"new caption");
    EXPECT_EQ(named.accessibleName(), u"名前");
    EXPECT_EQ(plain.accessibleName(), u"new caption");
    EXPECT_EQ(box.accessibleName(), u"数字");
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
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        auto& label = form().add<Label>(
            ControlDesign{u"l", {}, {}, 0, {}, Role::StaticText, {}, 0, {}, row.announces}, u"",
            LabelDesign{});
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
    }
}

TEST_F(ControlsTest, description_isTheDesignsUnlessTheKindTellsItsState) {
    auto& box = form().add<TextBox>(
        ControlDesign{
            u"insuu", {}, {}, 0, {}, Role::Entry, u"好きな数字（１桁）", 0, u"Alt+G で占います"},
        TextBoxDesign{});
    auto& plain = form().add<Label>(ControlDesign{u"l", {}, {}, 1, {}}, u"ＧＯ", LabelDesign{});
    EXPECT_EQ(box.description(), u"Alt+G で占います");
    EXPECT_EQ(plain.description(), u"");
    EXPECT_FALSE(box.announces());
}

}  // namespace
}  // namespace kanmeri::model
