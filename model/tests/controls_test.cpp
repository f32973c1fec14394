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

}  // namespace
}  // namespace kanmeri::model
