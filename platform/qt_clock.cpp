#include "platform/qt_clock.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

namespace kanmeri::platform {

model::Date QtClock::today() const {
    return read().date;
}

model::TimeOfDay QtClock::now() const {
    return read().time;
}

model::LocalTime QtClock::read() const {
    // One conversion to local time for both: each looks up the time zone afresh.
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    return {{date.year(), date.month(), date.day()}, {time.hour(), time.minute(), time.second()}};
}

}  // namespace kanmeri::platform
