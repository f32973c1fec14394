#pragma once
// A window shown through the real services, and helpers to drive it the way
// the user would.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>

#include "model/program.h"
#include "platform/form_view.h"
#include "platform/qt_services.h"

namespace kanmeri::platform::testing {

template <typename W>
struct Shown {
    model::Program program;
    QtServices services{program};
    W window{services};

    Shown() {
        program.add(window);
        services.deliver([this] { services.showWindow(window); });
        if (QWidget* v = services.viewOf(window)) {
            v->activateWindow();
            static_cast<void>(QTest::qWaitForWindowExposed(v));
        }
    }

    [[nodiscard]] FormView* view() const { return static_cast<FormView*>(services.viewOf(window)); }
    template <typename T = QWidget>
    [[nodiscard]] T* widget(const model::Control& control) const {
        return qobject_cast<T*>(view()->widgetFor(control));
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
