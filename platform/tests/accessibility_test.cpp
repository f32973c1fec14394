// What assistive technology can do with the program's own widgets: press a
// label as a click would, and read the seconds bar's share from its
// description without being offered a way to change it.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QTest>

#include "model/tests/support/printers.h"
#include "platform/look.h"
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

TEST(AccessibilityTest, bar_isANamedProgressBarDescribedByItsShare) {
    const struct {
        const char* name;
        float sixtieths;  // filled width in sixtieths of the outline, as Timer2 sets it
        QString share;
    } rows[] = {
        {"second 0", 0.0F, QStringLiteral("0%")},
        {"second 30", 30.0F, QStringLiteral("50%")},
        {"second 59", 59.0F, QStringLiteral("98%")},
        {"whole", 60.0F, QStringLiteral("100%")},
    };
    View shown;
    ScratchForm& form = shown.window.scratch();
    QAccessibleInterface* a = accessibleOf(shown, form.filled);
    forEachRow(rows, [&](const auto& row) {
        form.filled.setWidth(form.outline.width() / 60.0F * row.sixtieths);
        EXPECT_EQ(a->text(QAccessible::Description), row.share);
        EXPECT_EQ(a->text(QAccessible::Description), toQString(form.filled.description()));
    });
    EXPECT_EQ(a->role(), QAccessible::ProgressBar);
    EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("秒の進み"));
    EXPECT_FALSE(a->state().focusable);
}

// Nothing a screen reader can invoke on the bar changes it: it offers no
// action and no value to set.
TEST(AccessibilityTest, bar_offersNoActionAndNoValue) {
    View shown;
    ScratchForm& form = shown.window.scratch();
    form.filled.setWidth(form.outline.width() / 2);
    QAccessibleInterface* a = accessibleOf(shown, form.filled);
    EXPECT_EQ(a->valueInterface(), nullptr);
    if (QAccessibleActionInterface* actions = a->actionInterface()) {
        EXPECT_TRUE(actions->actionNames().isEmpty());
        for (const QString& action : {QAccessibleActionInterface::pressAction(),
                                      QAccessibleActionInterface::increaseAction(),
                                      QAccessibleActionInterface::setFocusAction()}) {
            actions->doAction(action);
        }
        QTest::qWait(50);
    }
    EXPECT_EQ(form.filled.width(), form.outline.width() / 2);
    EXPECT_EQ(a->text(QAccessible::Description), QStringLiteral("50%"));
    EXPECT_TRUE(shown.window.events.empty());
}

// The AT-SPI bridge lists an accessible's actions by asking for its action
// interface and at once for its value interface, and would add Increase and
// Decrease had it found a value. Whatever was asked before, there is none.
TEST(AccessibilityTest, barQueries_neverFindAValue) {
    enum class Ask { Action, Value, Text, Valid };
    const struct {
        const char* name;
        std::vector<Ask> before;  // asked first, in this order
    } rows[] = {
        {"alone", {}},
        {"right after the actions", {Ask::Action}},
        {"after the actions, then text", {Ask::Action, Ask::Text}},
        {"after the actions, then a new message", {Ask::Action, Ask::Valid}},
        {"after a listing", {Ask::Action, Ask::Value}},
    };
    View shown;
    QAccessibleInterface* a = accessibleOf(shown, shown.window.scratch().filled);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        static_cast<void>(a->isValid());
        for (const Ask ask : row.before) {
            switch (ask) {
                case Ask::Action:
                    if (QAccessibleActionInterface* actions = a->actionInterface()) {
                        EXPECT_TRUE(actions->actionNames().isEmpty()) << "the bar offers an action";
                    }
                    break;
                case Ask::Value: static_cast<void>(a->valueInterface()); break;
                case Ask::Text: static_cast<void>(a->textInterface()); break;
                case Ask::Valid: EXPECT_TRUE(a->isValid()); break;
            }
        }
        EXPECT_EQ(a->valueInterface(), nullptr);
    }
}

}  // namespace
}  // namespace kanmeri::platform::testing
