// What assistive technology can do with the program's own widgets: press a
// label as a click would, and read the seconds bar without being offered a
// way to change it.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QTest>

#include "model/tests/support/printers.h"
#include "platform/tests/fixture.h"
#include "platform/tests/scratch_window.h"

namespace kanmeri::platform::testing {
namespace {

using View = Shown<ScratchWindow>;

// A queued press runs at the next turn of the event loop; this ceiling is
// only ever reached when the press is lost.
constexpr int kPressWaitMs = 15000;

QAccessibleInterface* accessibleOf(const View& shown, const model::Control& control) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(shown.widget(control));
    EXPECT_NE(a, nullptr);
    return a;
}

TEST(AccessibilityTest, labelWithClick_offersPressOnlyAndTakesNoFocus) {
    View shown;
    QAccessibleInterface* a = accessibleOf(shown, shown.window.scratch().clicky);
    ASSERT_NE(a->actionInterface(), nullptr);
    EXPECT_EQ(a->actionInterface()->actionNames(),
              QStringList{QAccessibleActionInterface::pressAction()});
    EXPECT_EQ(a->role(), QAccessible::StaticText);
    EXPECT_FALSE(a->state().focusable);
    EXPECT_EQ(shown.widget(shown.window.scratch().clicky)->focusPolicy(), Qt::NoFocus);
}

TEST(AccessibilityTest, pressAction_raisesClickOnceAfterTheCallReturns) {
    View shown;
    QAccessibleInterface* a = accessibleOf(shown, shown.window.scratch().clicky);
    a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(shown.window.events.empty()) << "the Click ran inside the call";
    QTRY_COMPARE_WITH_TIMEOUT(shown.window.events.size(), std::size_t{1}, kPressWaitMs);
    QCoreApplication::processEvents();
    EXPECT_EQ(shown.window.events, std::vector<model::Text>{u"Click clicky"});
}

TEST(AccessibilityTest, pressAction_whenClickOpensBox_returnsBeforeTheBoxOpens) {
    View shown;
    ScratchForm& form = shown.window.scratch();
    bool returned = false;
    form.clicky.click.bind([&] {
        shown.window.events.push_back(returned ? u"Click after the call"
                                               : u"Click inside the call");
        shown.services.messageBox(u"入力情報のエラーです", model::MessageStyle::OkOnly, {});
    });
    QAccessibleInterface* a = accessibleOf(shown, form.clicky);
    const std::vector<SeenBox> seen = dismissingBoxes([&] {
        a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        returned = true;
        QTRY_COMPARE_WITH_TIMEOUT(shown.window.events.size(), std::size_t{1}, kPressWaitMs);
    });
    EXPECT_EQ(shown.window.events, std::vector<model::Text>{u"Click after the call"});
    ASSERT_EQ(seen.size(), 1U);
    EXPECT_EQ(seen[0].text, QStringLiteral("入力情報のエラーです"));
}

TEST(AccessibilityTest, labelWithoutClick_offersNoActionAndPressDoesNothing) {
    View shown;
    QAccessibleInterface* a = accessibleOf(shown, shown.window.scratch().boxed);
    ASSERT_NE(a->actionInterface(), nullptr);
    EXPECT_TRUE(a->actionInterface()->actionNames().isEmpty());
    a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTest::qWait(50);
    EXPECT_TRUE(shown.window.events.empty());
}

TEST(AccessibilityTest, otherAction_onLabel_doesNothing) {
    View shown;
    QAccessibleInterface* a = accessibleOf(shown, shown.window.scratch().clicky);
    a->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
    QTest::qWait(50);
    EXPECT_TRUE(shown.window.events.empty());
    EXPECT_FALSE(shown.widget(shown.window.scratch().clicky)->hasFocus());
}

TEST(AccessibilityTest, barValue_isFilledShareOfOutline) {
    const struct {
        const char* name;
        float sixtieths;  // filled width in sixtieths of the outline, as Timer2 sets it
        double share;
    } rows[] = {
        {"second 0", 0.0F, 0.0},
        {"second 30", 30.0F, 0.5},
        {"second 59", 59.0F, 59.0 / 60.0},
    };
    View shown;
    ScratchForm& form = shown.window.scratch();
    QAccessibleInterface* a = accessibleOf(shown, form.filled);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        form.filled.setWidth(form.outline.width() / 60.0F * row.sixtieths);
        QAccessibleValueInterface* value = a->valueInterface();
        ASSERT_NE(value, nullptr);
        EXPECT_NEAR(value->currentValue().toDouble(), row.share, 1e-9);
        EXPECT_EQ(value->minimumValue().toDouble(), 0.0);
        EXPECT_EQ(value->maximumValue().toDouble(), 1.0);
    }
    EXPECT_EQ(a->role(), QAccessible::ProgressBar);
    EXPECT_FALSE(a->state().focusable);
}

TEST(AccessibilityTest, barValue_ignoresAttemptsToSetIt) {
    View shown;
    ScratchForm& form = shown.window.scratch();
    form.filled.setWidth(form.outline.width() / 2);
    QAccessibleValueInterface* value = accessibleOf(shown, form.filled)->valueInterface();
    ASSERT_NE(value, nullptr);
    value->setCurrentValue(1.0);
    EXPECT_EQ(form.filled.width(), form.outline.width() / 2);
    EXPECT_NEAR(value->currentValue().toDouble(), 0.5, 1e-9);
}

// The AT-SPI bridge lists an accessible's actions by asking for its action
// interface and at once for its value interface, and adds Increase and
// Decrease when it finds a value. Every other question starts afresh.
TEST(AccessibilityTest, barQueries_hideValueOnlyFromActionListing) {
    enum class Ask { Action, Value, Text, Valid };
    const struct {
        const char* name;
        std::vector<Ask> before;  // asked first, in this order
        bool valueFound;          // then: is there a value interface?
    } rows[] = {
        {"alone", {}, true},
        {"right after the actions", {Ask::Action}, false},
        {"after the actions, then text", {Ask::Action, Ask::Text}, true},
        {"after the actions, then a new message", {Ask::Action, Ask::Valid}, true},
        {"after a listing", {Ask::Action, Ask::Value}, true},
    };
    View shown;
    QAccessibleInterface* a = accessibleOf(shown, shown.window.scratch().filled);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        static_cast<void>(a->isValid());
        for (const Ask ask : row.before) {
            switch (ask) {
                case Ask::Action:
                    EXPECT_EQ(a->actionInterface(), nullptr) << "the bar offers no action";
                    break;
                case Ask::Value:
                    static_cast<void>(a->valueInterface());
                    break;
                case Ask::Text:
                    static_cast<void>(a->textInterface());
                    break;
                case Ask::Valid:
                    EXPECT_TRUE(a->isValid());
                    break;
            }
        }
        EXPECT_EQ(a->valueInterface() != nullptr, row.valueFound);
    }
}

}  // namespace
}  // namespace kanmeri::platform::testing
