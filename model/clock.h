#pragma once
// The local date and time of day as the handlers see them.
#include <compare>

namespace kanmeri::model {

struct Date {
    int year = 2000;  // 100..9999
    int month = 1;    // 1..12
    int day = 1;      // 1..31, a day that exists in that month

    friend auto operator<=>(const Date&, const Date&) = default;
};

struct TimeOfDay {
    int hour = 0;    // 0..23
    int minute = 0;  // 0..59
    int second = 0;  // 0..59

    friend auto operator<=>(const TimeOfDay&, const TimeOfDay&) = default;
};

// A date and a time of day read at the same instant.
struct LocalTime {
    Date date;
    TimeOfDay time;

    friend auto operator<=>(const LocalTime&, const LocalTime&) = default;
};

class Clock {
public:
    virtual ~Clock() = default;
    // The local date and time to the second, read at one instant, so that a
    // reading at midnight never pairs one day's date with the next day's time.
    [[nodiscard]] virtual LocalTime read() const = 0;
};

}  // namespace kanmeri::model
