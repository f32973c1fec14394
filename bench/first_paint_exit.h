#pragma once
// Ends a program at once after its first frame, for start-up measurements:
// the process exits with status 0 (std::_Exit, no teardown) once a top-level
// window's first frame has been painted and sent to the display server, so
// that the time from exec to exit is the time to the first frame.
//
// exitAfterFirstPaint(window): for the reference programs, only when
// KANMERI_EXIT_AFTER_FIRST_PAINT is set to a non-empty value.
// exitAfterFirstWindowPaint(): for the whole application, always; the
// first-frame build of kanmeri (bench/first_frame_exit.cpp) installs it.
#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QWidget>
#include <cstdlib>

namespace kanmeri::bench {

// Watches `target` (a window, or the application for every window) and ends
// the process after the first Paint event of a top-level window.
class FirstPaintExit : public QObject {
public:
    explicit FirstPaintExit(QObject* target) : QObject(target), target_(target) {
        target->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            // The frame is painted and flushed before the next event is taken;
            // a posted event comes before anything the paint queued after itself.
            QMetaObject::invokeMethod(
                QCoreApplication::instance(), [] { std::_Exit(0); }, Qt::QueuedConnection);
            target_->removeEventFilter(this);
        }
        return false;
    }

private:
    QObject* target_;
};

inline void exitAfterFirstPaint(QWidget& window) {
    if (!qEnvironmentVariableIsEmpty("KANMERI_EXIT_AFTER_FIRST_PAINT")) {
        new FirstPaintExit(&window);
    }
}

// Needs the application object; installed from its constructor or later.
inline void exitAfterFirstWindowPaint() {
    new FirstPaintExit(QCoreApplication::instance());
}

}  // namespace kanmeri::bench
