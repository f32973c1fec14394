#include "platform/caret_rest.h"

#include <QApplication>
#include <QEvent>

namespace kanmeri::platform {

CaretRest::CaretRest(std::chrono::milliseconds after)
    : flashTime_(QApplication::cursorFlashTime()) {
    timer_.setSingleShot(true);
    timer_.setInterval(after);
    connect(&timer_, &QTimer::timeout, this, &CaretRest::rest);
    QCoreApplication::instance()->installEventFilter(this);
    timer_.start();
}

CaretRest::~CaretRest() {
    QCoreApplication::instance()->removeEventFilter(this);
    if (resting_) {
        QApplication::setCursorFlashTime(flashTime_);
    }
}

bool CaretRest::eventFilter(QObject* /*watched*/, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress || type == QEvent::MouseButtonPress || type == QEvent::FocusIn) {
        wake();
    }
    return false;
}

void CaretRest::wake() {
    timer_.start();
    if (resting_) {
        resting_ = false;
        QApplication::setCursorFlashTime(flashTime_);
    }
}

void CaretRest::rest() {
    resting_ = true;
    // A flash time of 0 stops the blinking with the caret shown.
    QApplication::setCursorFlashTime(0);
}

}  // namespace kanmeri::platform
