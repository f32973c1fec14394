#include "platform/qt_clock.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

namespace kanmeri::platform {

model::LocalTime QtClock::read() const {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    return {{date.year(), date.month(), date.day()}, {time.hour(), time.minute(), time.second()}};
}

}  // namespace kanmeri::platform
