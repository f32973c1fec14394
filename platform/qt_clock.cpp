#include "platform/qt_clock.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

namespace kanmeri::platform {

model::Date QtClock::today() const {
    const QDate date = QDate::currentDate();
    return {date.year(), date.month(), date.day()};
}

model::TimeOfDay QtClock::now() const {
    const QTime time = QTime::currentTime();
    return {time.hour(), time.minute(), time.second()};
}

model::LocalTime QtClock::read() const {
    // One conversion to local time: each looks up the time zone afresh.
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    return {{date.year(), date.month(), date.day()}, {time.hour(), time.minute(), time.second()}};
}

}  // namespace kanmeri::platform
