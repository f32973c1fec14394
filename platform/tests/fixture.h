#pragma once
// A window shown through the real services, helpers to drive it the way the
// user would, and its timers the way the passing time would.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <utility>

#include "model/controls.h"
#include "model/program.h"
#include "model/tests/support/printers.h"
#include "platform/qt_services.h"
#include "platform/tests/widgets_of.h"
#include "platform/window_frame.h"

namespace kanmeri::platform::testing {

using kanmeri::testing::forEachRow;

// How long a test waits for something the real event loop brings (a timer's
// tick, an icon, a rest): far beyond any interval the program uses, so that
// only a lost event runs it out, never a slow or busy machine (a shared build
// machine has been seen to stall a process for over 20 s). Tests that wait
// this long assert what happened and in which order, never how soon.
inline constexpr int kPatienceMs = 60000;

// The QTimer that a window's view runs for `timer`: its child named after it.
inline QTimer* driverOf(const QWidget* view, const model::Timer& timer) {
    auto* found = view->findChild<QTimer*>(QString::fromStdU16String(timer.name()),
                                           Qt::FindDirectChildrenOnly);
    EXPECT_NE(found, nullptr) << "no timer " << kanmeri::testing::utf8(timer.name());
    return found;
}

// Expects `driver` to run precise, armed for a tick within one interval on
// the wall clock's grid of `intervalMs`, or at most kTickSlackMs after it
// (model/controls.h). The readings of the clock and the remaining time are
// whole milliseconds, and the program may have been held up between reading
// the clock and arming the timer: 10 ms of leeway, and as much again as the
// readings here lie apart.
inline void expectArmedOnGrid(const QTimer& driver, int intervalMs) {
    EXPECT_EQ(driver.timerType(), Qt::PreciseTimer);
    ASSERT_TRUE(driver.isActive());
    const qint64 before = QDateTime::currentMSecsSinceEpoch();
    const int remaining = driver.remainingTime();
    const qint64 after = QDateTime::currentMSecsSinceEpoch();
    EXPECT_LE(remaining, intervalMs);
    if (remaining == 0) {
        return;  // overdue, its tick waits for the event loop: when it was due is not told
    }
    const qint64 due = before + remaining;
    // How long after the grid tick before it the timer is due.
    const int late = intervalMs - model::msToTick(due, intervalMs);
    const int leeway = 10 + static_cast<int>(after - before);
    EXPECT_TRUE(late <= model::Timer::kTickSlackMs + leeway || late >= intervalMs - leeway)
        << "due " << late << " ms after a tick of the grid of " << intervalMs << " ms";
}

// Makes a running QTimer time out now, through its own timer event, as if
// its interval had just passed: whatever the view does on a tick is done
// before this returns. A stopped timer does nothing, as it would on its own.
inline void fire(QTimer* timer) {
    if (timer == nullptr || !timer->isActive()) {
        ADD_FAILURE() << "the timer is not running";
        return;
    }
    QTimerEvent event(timer->timerId());
    QCoreApplication::sendEvent(timer, &event);
}

// Counts a QTimer's timeouts and runs `then` on each, after the view's own
// handler (connected when the view was built) has run.
class TickCounter {
public:
    explicit TickCounter(QTimer* timer, std::function<void()> then = {}) : then_(std::move(then)) {
        connection_ = QObject::connect(timer, &QTimer::timeout, [this] {
            ++count;
            if (then_) {
                then_();
            }
        });
    }
    ~TickCounter() { QObject::disconnect(connection_); }
    TickCounter(const TickCounter&) = delete;
    TickCounter& operator=(const TickCounter&) = delete;

    int count = 0;

private:
    std::function<void()> then_;
    QMetaObject::Connection connection_;
};

template <typename W>
struct Shown {
    model::Program program;
    WindowFrame frame;
    QtServices services{program, frame};
    W window{services};

    Shown() {
        program.add(window);
        services.deliver([this] { services.showWindow(window); });
        if (QWidget* v = viewOf(window)) {
            v->activateWindow();
            static_cast<void>(QTest::qWaitForWindowExposed(v, kPatienceMs));
            // The X server gives the focus when it gets to it; keys sent to
            // the focus widget before then go nowhere.
            static_cast<void>(QTest::qWaitForWindowActive(v, kPatienceMs));
        }
    }

    [[nodiscard]] QWidget* view() const { return viewOf(window); }
    template <typename T = QWidget>
    [[nodiscard]] T* widget(const model::Control& control) const {
        return widgetOf<T>(control);
    }
};

// What a message box showed when it came up.
struct SeenBox {
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
};

// Dismisses every modal message box that opens while `action` runs, recording
// each.
inline std::vector<SeenBox> dismissingBoxes(const std::function<void()>& action) {
    std::vector<SeenBox> seen;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        seen.push_back({box->text(), box->windowTitle(), box->icon(),
                        static_cast<int>(box->buttons().size())});
        box->button(QMessageBox::Ok)->click();
    });
    poll.start();
    action();
    return seen;
}

// Runs the event loop until the program ends it, or fails after `limitMs`.
inline int runUntilEnd(QtServices& services, const std::function<void()>& kick,
                       int limitMs = 5000) {
    QTimer start;
    start.setSingleShot(true);
    QObject::connect(&start, &QTimer::timeout, kick);
    start.start(0);
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    limit.start(limitMs);
    return services.runEventLoop();
}

}  // namespace kanmeri::platform::testing
