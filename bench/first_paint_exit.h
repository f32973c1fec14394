#pragma once
// The reference programs' end for start-up measurements, as kanmeri's own:
// exitAfterFirstPaint(window) makes the process end with status 0
// (std::_Exit, no teardown) once the window's first frame has been painted
// and sent to the display server, when KANMERI_EXIT_AFTER_FIRST_PAINT is set
// to a non-empty value; otherwise it does nothing.
#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QWidget>
#include <cstdlib>

namespace kanmeri::bench {

class FirstPaintExit : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            // The frame is painted and flushed before the next event is taken;
            // a posted event comes before anything the paint queued after itself.
            QMetaObject::invokeMethod(
                QCoreApplication::instance(), [] { std::_Exit(0); }, Qt::QueuedConnection);
            watched->removeEventFilter(this);
        }
        return false;
    }
};

inline void exitAfterFirstPaint(QWidget& window) {
    if (!qEnvironmentVariableIsEmpty("KANMERI_EXIT_AFTER_FIRST_PAINT")) {
        window.installEventFilter(new FirstPaintExit(&window));
    }
}

}  // namespace kanmeri::bench
