// What assistive technology is given besides the controls: each window is a
// top-level window to it, and a window's announcements go to a notification
// of its own that is never shown and never takes the focus, while the
// announcing label stays the label it was.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QTest>

#include "platform/accessibility.h"
#include "platform/look.h"
#include "platform/tests/fixture.h"
#include "platform/tests/real_app.h"

namespace kanmeri::platform::testing {
namespace {

// A window's notification: its one child that draws no control.
QWidget* notificationOf(const QWidget* view) {
    const auto found = view->findChildren<Announcer*>(Qt::FindDirectChildrenOnly);
    EXPECT_EQ(found.size(), 1);
    return found.isEmpty() ? nullptr : found.first();
}

QString spoken(const QWidget* view) {
    QWidget* notification = notificationOf(view);
    return notification == nullptr ? QString() : notification->accessibleName();
}

TEST(AnnounceTest, bothWindows_areTopLevelWindowsNamedByTheirTitles) {
    RealApp app;
    const auto expectWindow = [](const QWidget* view, const QString& title) {
        ASSERT_NE(view, nullptr);
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(const_cast<QWidget*>(view));
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->role(), QAccessible::Window);
        EXPECT_EQ(a->text(QAccessible::Name), title);
    };
    expectWindow(app.view(app.windows.main),
                 QStringLiteral("曜日探し　＆　今週から1週間の運勢占い（当たるかな？）"));
    expectWindow(app.openClock(), QStringLiteral("日付と時刻の表示"));
}

TEST(AnnounceTest, notification_isHiddenUnfocusableAndANotification) {
    RealApp app;
    QWidget* notification = notificationOf(app.view(app.windows.main));
    ASSERT_NE(notification, nullptr);
    EXPECT_FALSE(notification->isVisible());
    EXPECT_EQ(notification->focusPolicy(), Qt::NoFocus);
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(notification);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::Notification);
    EXPECT_TRUE(a->text(QAccessible::Name).isEmpty()) << "announced at load";
}

// Each result is what the notification says; the label stays a label named
// by its caption, the focus stays where the user put it, and the clock's
// ticks and a blank caption leave the last announcement as it was.
TEST(AnnounceTest, results_areAnnouncedAndTicksAndBlanksAreNot) {
    RealApp app;
    windows::MainForm& f = app.main();
    QWidget* view = app.view(app.windows.main);
    const QString weekday = QStringLiteral(" お探しの日の曜日は　土曜日　です");
    QTest::keyClicks(app.widget(f.inymd), QStringLiteral("2000/01/01"));
    app.widget(f.okBotan)->setFocus();
    QTest::keyClick(app.widget(f.okBotan), Qt::Key_Space);
    EXPECT_EQ(spoken(view), weekday);
    QAccessibleInterface* label = QAccessible::queryAccessibleInterface(app.widget(f.outyoubi));
    EXPECT_EQ(label->role(), QAccessible::StaticText);
    EXPECT_EQ(label->text(QAccessible::Name), weekday);
    EXPECT_EQ(QApplication::focusWidget(), app.widget(f.okBotan));

    const model::TimeOfDay before = app.clock.time;
    app.clock.time = {before.hour, before.minute, (before.second + 1) % 60};
    fire(driverOf(view, f.Timer1));
    fire(driverOf(view, f.Timer2));
    EXPECT_EQ(spoken(view), weekday) << "a tick was announced";

    QTest::mouseClick(app.widget(f.inymd), Qt::LeftButton);  // leaves one blank in outyoubi
    EXPECT_EQ(toText(app.widget(f.outyoubi)->accessibleName()), u" ");
    EXPECT_EQ(spoken(view), weekday) << "a blank was announced";

    QTest::keyClicks(app.widget(f.insuu), QStringLiteral("5"));
    QTest::keyClick(app.widget(f.insuu), Qt::Key_G, Qt::AltModifier);
    EXPECT_EQ(spoken(view), toQString(f.secdisp.caption()));
    EXPECT_NE(spoken(view), weekday);
}

}  // namespace
}  // namespace kanmeri::platform::testing
