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

TEST_F(ControlsTest, type_raisesKeyPressBeforeTextChanges) {
    TextBox& b = box();
    std::vector<std::u16string> seen;
    b.keyPress.bind([&](std::int16_t key) { seen.push_back(u"key " + b.text() + char16_t(key)); });
    b.change.bind([&] { seen.push_back(u"change " + b.text()); });
    b.type(u'1');
    b.type(u'\r');
    EXPECT_EQ(seen, (std::vector<std::u16string>{u"key 1", u"change 1", u"key 1\r"}));
    EXPECT_EQ(b.text(), u"1");
}

TEST_F(ControlsTest, type_insertsAtCaretAfterHandlerReplacedText) {
    TextBox& b = box();
    b.setText(u"  ");
    b.type(u'9');
    EXPECT_EQ(b.text(), u"9  ");
    EXPECT_EQ(b.caret(), 1U);
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
    EXPECT_EQ(notified.size(), 2U);
    EXPECT_EQ(form().find(u"o", 1), &b);
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

}  // namespace
}  // namespace kanmeri::model
