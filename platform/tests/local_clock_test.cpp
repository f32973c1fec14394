// The machine's clock as the handlers read it: the same local time as the
// toolkit's, and a time zone changed while the program runs taken up within
// about a second.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QTest>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include "platform/qt_services.h"

namespace kanmeri::platform::testing {
namespace {

constexpr int kPatienceMs = 5000;  // one second, and then some for a busy machine

model::LocalTime fieldsOf(const QDateTime& at) {
    const QDate date = at.date();
    const QTime time = at.time();
    return {{date.year(), date.month(), date.day()}, {time.hour(), time.minute(), time.second()}};
}

// Sets TZ for one test and puts back what was there.
class ZoneScope {
public:
    explicit ZoneScope(const char* zone) {
        if (const char* old = std::getenv("TZ")) {
            old_ = old;
        }
        setenv("TZ", zone, 1);
        tzset();
    }
    ~ZoneScope() {
        if (old_) {
            setenv("TZ", old_->c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
    }
    ZoneScope(const ZoneScope&) = delete;
    ZoneScope& operator=(const ZoneScope&) = delete;

    // As a running program meets it: nothing reads the zone again for it.
    static void change(const char* zone) { setenv("TZ", zone, 1); }

private:
    std::optional<std::string> old_;
};

TEST(QtClockTest, read_agreesWithToolkitsLocalTime) {
    const QtClock clock;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const model::LocalTime before = fieldsOf(QDateTime::currentDateTime());
        const model::LocalTime read = clock.read();
        const model::LocalTime after = fieldsOf(QDateTime::currentDateTime());
        if (before == after) {  // else the second turned in between: again
            EXPECT_EQ(read, before);
            return;
        }
    }
    FAIL() << "the second turned at every attempt";
}

struct ZoneRow {
    const char* name;
    const char* zone;  // POSIX TZ, which needs no zone files
    int eastOfUtcMinutes;
};

class ZoneChangeTest : public ::testing::TestWithParam<ZoneRow> {};

TEST_P(ZoneChangeTest, zoneChangedWhileRunning_showsWithinASecond) {
    const ZoneRow& row = GetParam();
    const ZoneScope utc("UTC0");
    const QtClock clock;
    const auto utcNow = [] { return QDateTime::currentDateTimeUtc(); };
    [[maybe_unused]] const model::LocalTime primed = clock.read();  // the zone read this second
    ZoneScope::change(row.zone);
    model::LocalTime read;
    model::LocalTime wanted;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            read = clock.read();
            wanted = fieldsOf(utcNow().addSecs(row.eastOfUtcMinutes * 60LL));
            return read == wanted;
        },
        kPatienceMs))
        << "still " << read.time.hour << ":" << read.time.minute << ", wanted " << wanted.time.hour
        << ":" << wanted.time.minute;
}

INSTANTIATE_TEST_SUITE_P(Rows, ZoneChangeTest,
                         ::testing::Values(ZoneRow{"nineHoursEast", "JST-9", 9 * 60},
                                           ZoneRow{"fiveHoursWest", "EST5", -5 * 60},
                                           ZoneRow{"halfHourZone", "IST-5:30", 5 * 60 + 30}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kanmeri::platform::testing
