// User input as real key and mouse events, and the services it reaches.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <algorithm>

#include "model/tests/support/printers.h"
#include "platform/tests/fixture.h"
#include "platform/tests/scratch_window.h"

namespace kanmeri::platform::testing {
namespace {

using View = Shown<ScratchWindow>;

TEST(InputTest, load_focusesFirstTabStop) {
    View shown;
    EXPECT_EQ(QApplication::focusWidget(), shown.widget(shown.window.scratch().entry));
}

TEST(InputTest, tab_walksTabOrderWithOptionGroupAsOneStop) {
    View shown;
    ScratchForm& f = shown.window.scratch();
    const model::Control* order[] = {&f.first, &f.press, &f.digits, &f.quit};
    for (const model::Control* next : order) {
        SCOPED_TRACE(kanmeri::testing::utf8(next->name()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), shown.widget(*next));
    }
}

TEST(InputTest, arrowKey_movesSelectionAndTabEntersGroupAtSelected) {
    View shown;
    ScratchForm& f = shown.window.scratch();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_TRUE(f.second.value());
    EXPECT_FALSE(f.first.value());
    EXPECT_EQ(QApplication::focusWidget(), shown.widget(f.second));
    shown.services.setFocus(f.entry);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), shown.widget(f.second));
}

TEST(InputTest, modelSelection_checksWidget) {
    View shown;
    ScratchForm& f = shown.window.scratch();
    f.second.select();
    EXPECT_TRUE(shown.widget<QRadioButton>(f.second)->isChecked());
    EXPECT_FALSE(shown.widget<QRadioButton>(f.first)->isChecked());
}

TEST(InputTest, typing_raisesKeyPressBeforeChange) {
    View shown;
    ScratchForm& f = shown.window.scratch();
    QTest::keyClicks(shown.widget(f.entry), QStringLiteral("2a"));
    const std::vector<model::Text> expected = {u"KeyPress 50", u"Change", u"KeyPress 97",
                                               u"Change"};
    EXPECT_EQ(shown.window.events, expected);
    EXPECT_EQ(f.entry.text(), u"2a");
    EXPECT_EQ(f.entry.caret(), 2U);
}

TEST(InputTest, enter_pressesNoButtonAndInsertsNothing) {
    const struct {
        const char* name;
        Qt::Key key;
    } rows[] = {{"Return", Qt::Key_Return}, {"Enter", Qt::Key_Enter}};
    forEachRow(rows, [&](const auto& row) {
        View shown;
        ScratchForm& f = shown.window.scratch();
        QTest::keyClicks(shown.widget(f.entry), QStringLiteral("5"));
        shown.window.events.clear();
        QTest::keyClick(shown.widget(f.entry), row.key);
        // The handler appended one blank; the key itself added nothing.
        const std::vector<model::Text> expected = {u"KeyPress 13", u"Change"};
        EXPECT_EQ(shown.window.events, expected);
        EXPECT_EQ(shown.widget<QLineEdit>(f.entry)->text(), QStringLiteral("5 "));
    });
}

TEST(InputTest, enterOrSpace_onFocusedButton_pressesIt) {
    const struct {
        const char* name;
        Qt::Key key;
    } rows[] = {{"Return", Qt::Key_Return}, {"Enter", Qt::Key_Enter}, {"Space", Qt::Key_Space}};
    forEachRow(rows, [&](const auto& row) {
        View shown;
        ScratchForm& f = shown.window.scratch();
        shown.widget(f.press)->setFocus(Qt::TabFocusReason);
        shown.window.events.clear();
        QTest::keyClick(shown.widget(f.press), row.key);
        const std::vector<model::Text> expected = {u"Click press"};
        EXPECT_EQ(shown.window.events, expected);
    });
}

TEST(InputTest, handlerAssignment_putsCaretAtStart) {
    View shown;
    ScratchForm& f = shown.window.scratch();
    QTest::keyClicks(shown.widget(f.entry), QStringLiteral("12"));
    f.entry.setText(u"  ");
    auto* edit = shown.widget<QLineEdit>(f.entry);
    EXPECT_EQ(edit->text(), QStringLiteral("  "));
    EXPECT_EQ(edit->cursorPosition(), 0);
    QTest::keyClicks(edit, QStringLiteral("9"));
    EXPECT_EQ(f.entry.text(), u"9  ");
}

TEST(InputTest, entry_acceptsTextBeyondDefaultLimit) {
    View shown;
    ScratchForm& f = shown.window.scratch();
    f.entry.setText(model::Text(40000, u'1'));
    EXPECT_EQ(shown.widget<QLineEdit>(f.entry)->text().size(), 40000);
    EXPECT_FALSE(shown.widget<QLineEdit>(f.entry)->inputMethodQuery(Qt::ImEnabled).toBool());
}

TEST(InputTest, mouseClicks_reachClickHandlers) {
    View shown;
    ScratchForm& f = shown.window.scratch();
    QTest::mouseClick(shown.widget(f.entry), Qt::LeftButton);
    QTest::mouseClick(shown.widget(f.clicky), Qt::LeftButton);
    QTest::mouseClick(shown.widget(f.press), Qt::LeftButton);
    const std::vector<model::Text> expected = {u"Click entry", u"Click clicky", u"Click press"};
    EXPECT_EQ(shown.window.events, expected);
    EXPECT_EQ(shown.widget(f.clicky)->focusPolicy(), Qt::NoFocus);
}

TEST(InputTest, messageBox_showsIconTitleAndOkOnly) {
    View shown;
    const struct {
        const char* name;
        model::MessageStyle style;
        std::optional<model::Text> title;
        QMessageBox::Icon icon;
        QString shownTitle;
    } rows[] = {
        {"plain, application title", model::MessageStyle::OkOnly, std::nullopt, QMessageBox::NoIcon,
         QStringLiteral("kanmeri")},
        {"warning, own title", model::MessageStyle::Exclamation, u"ERR 情報", QMessageBox::Warning,
         QStringLiteral("ERR 情報")},
    };
    const auto expectBox = [&](const auto& row) {
        const auto seen = dismissingBoxes(
            [&] { shown.services.messageBox(u"入力間違いです", row.style, row.title); });
        ASSERT_EQ(seen.size(), 1U);
        EXPECT_EQ(seen[0].text, QStringLiteral("入力間違いです"));
        EXPECT_EQ(seen[0].title, row.shownTitle);
        EXPECT_EQ(seen[0].icon, row.icon);
        EXPECT_EQ(seen[0].buttons, 1);
    };
    forEachRow(rows, expectBox);
}

// Without a sound device, as under the test command's X server, the first
// beep finds that the sound library cannot play and the second goes straight
// to the toolkit's. Whichever sounds, a beep takes no focus, opens no window
// and leaves the entry taking the keys that follow.
TEST(InputTest, beep_leavesFocusAndInputWithTheWindow) {
    View shown;
    ScratchForm& f = shown.window.scratch();
    QWidget* entry = shown.widget(f.entry);
    ASSERT_EQ(QApplication::focusWidget(), entry);
    const auto visibleWindows = [] {
        const QWidgetList all = QApplication::topLevelWidgets();
        return std::count_if(all.begin(), all.end(),
                             [](const QWidget* w) { return w->isVisible(); });
    };
    const auto windowsBefore = visibleWindows();
    shown.window.events.clear();

    shown.services.beep();
    shown.services.beep();
    QCoreApplication::processEvents();

    EXPECT_EQ(QApplication::focusWidget(), entry);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(visibleWindows(), windowsBefore);
    QTest::keyClicks(entry, QStringLiteral("7"));
    const std::vector<model::Text> expected = {u"KeyPress 55", u"Change"};
    EXPECT_EQ(shown.window.events, expected);
    EXPECT_EQ(f.entry.text(), u"7");
}

TEST(LifecycleTest, windowManagerClose_endsEventLoop) {
    View shown;
    const int status = runUntilEnd(shown.services, [&] { shown.view()->close(); });
    EXPECT_EQ(status, 0);
    EXPECT_FALSE(shown.window.loaded());
    EXPECT_EQ(shown.view(), nullptr);
}

TEST(LifecycleTest, quitButton_endsEventLoop) {
    View shown;
    const int status = runUntilEnd(shown.services, [&] {
        QTest::mouseClick(shown.widget(shown.window.scratch().quit), Qt::LeftButton);
    });
    EXPECT_EQ(status, 0);
    EXPECT_FALSE(shown.window.loaded());
}

TEST(LifecycleTest, timers_tickAfterShowAndStopAtUnload) {
    View shown;
    QPointer<QTimer> driver = driverOf(shown.view(), shown.window.scratch().timer);
    ASSERT_FALSE(driver.isNull());
    expectArmedOnGrid(*driver, 100);
    ASSERT_TRUE(QTest::qWaitFor([&] { return shown.window.ticks >= 2; }, kPatienceMs));
    shown.services.deliver([&] { shown.services.unloadWindow(shown.window); });
    EXPECT_TRUE(driver.isNull() || !driver->isActive());
    const int ticks = shown.window.ticks;
    QTest::qWait(250);  // a few intervals: no tick may come, however fast or slow
    EXPECT_EQ(shown.window.ticks, ticks);
}

TEST(LifecycleTest, tickWhoseHandlerUnloadsWindow_leavesItsTimerStopped) {
    View shown;
    QPointer<QTimer> driver = driverOf(shown.view(), shown.window.scratch().timer);
    ASSERT_FALSE(driver.isNull());
    const int before = shown.window.ticks;  // the grid's first tick may come while it shows
    shown.window.onTick = [&] { shown.services.unloadWindow(shown.window); };
    fire(driver);
    EXPECT_EQ(shown.window.ticks, before + 1);
    EXPECT_FALSE(shown.window.loaded());
    EXPECT_TRUE(driver.isNull() || !driver->isActive()) << "armed again after the unload";
}

TEST(LifecycleTest, reload_buildsFreshView) {
    View shown;
    QPointer<QWidget> first = shown.view();
    shown.services.deliver([&] {
        shown.services.unloadWindow(shown.window);
        shown.services.showWindow(shown.window);
    });
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    ASSERT_NE(shown.view(), nullptr);
    EXPECT_TRUE(shown.view()->isVisible());
    EXPECT_EQ(shown.window.scratch().entry.text(), u"");
}

}  // namespace
}  // namespace kanmeri::platform::testing
