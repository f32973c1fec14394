#include "platform/qt_clock.h"

#include <QDate>
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

}  // namespace kanmeri::platform
