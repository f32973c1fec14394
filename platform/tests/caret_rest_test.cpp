// The caret stops blinking after a spell without input and blinks again at
// the desktop's rate on the next key or button press or change of focus.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>
#include <functional>
#include <memory>

#include "platform/caret_rest.h"
#include "platform/tests/fixture.h"

namespace kanmeri::platform {
namespace {

using namespace std::chrono_literals;

// A resting caret is shown steadily: the application's flash time is 0.
bool resting() {
    return QApplication::cursorFlashTime() == 0;
}

struct Row {
    const char* name;
    std::function<std::unique_ptr<QEvent>()> event;
    bool wakes;
};

const Row kRows[] = {
    {"keyPress",
     [] { return std::make_unique<QKeyEvent>(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a"); },
     true},
    {"buttonPress",
     [] {
         return std::make_unique<QMouseEvent>(QEvent::MouseButtonPress, QPointF(1, 1),
                                              QPointF(1, 1), Qt::LeftButton, Qt::LeftButton,
                                              Qt::NoModifier);
     },
     true},
    {"focusIn", [] { return std::make_unique<QFocusEvent>(QEvent::FocusIn); }, true},
    {"mouseMove",
     [] {
         return std::make_unique<QMouseEvent>(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2),
                                              Qt::NoButton, Qt::NoButton, Qt::NoModifier);
     },
     false},
};

TEST(CaretRestTest, inputAfterRest_blinksAgainOnlyForPressesAndFocus) {
    QWidget target;
    const auto expectWake = [&](const Row& row) {
        // The application's own rest may have begun in an earlier test.
        QKeyEvent wakeAll(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
        QCoreApplication::sendEvent(&target, &wakeAll);
        const int desktop = QApplication::cursorFlashTime();
        ASSERT_GT(desktop, 0) << "the test needs a blinking desktop caret";

        CaretRest rest(50ms);
        EXPECT_EQ(QApplication::cursorFlashTime(), desktop) << "resting from the start";
        EXPECT_TRUE(QTest::qWaitFor(resting, testing::kPatienceMs));

        const std::unique_ptr<QEvent> event = row.event();
        QCoreApplication::sendEvent(&target, event.get());
        EXPECT_EQ(resting(), !row.wakes);
        EXPECT_EQ(QApplication::cursorFlashTime(), row.wakes ? desktop : 0);
    };
    testing::forEachRow(kRows, expectWake);
}

TEST(CaretRestTest, destroyedWhileResting_restoresDesktopRate) {
    QWidget target;
    QKeyEvent wakeAll(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    QCoreApplication::sendEvent(&target, &wakeAll);
    const int desktop = QApplication::cursorFlashTime();
    {
        CaretRest rest(10ms);
        ASSERT_TRUE(QTest::qWaitFor(resting, testing::kPatienceMs));
    }
    EXPECT_EQ(QApplication::cursorFlashTime(), desktop);
}

}  // namespace
}  // namespace kanmeri::platform
