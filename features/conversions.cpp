#include "features/conversions.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <limits>
#include <string>

#include "model/failure.h"

namespace kanmeri::features {

namespace {

using model::Failure;

[[noreturn]] void typeMismatch() {
    throw Failure(Failure::Kind::TypeMismatch);
}

[[noreturn]] void overflow() {
    throw Failure(Failure::Kind::Overflow);
}

model::TextView withoutSpaces(model::TextView text) {
    const std::size_t first = text.find_first_not_of(u' ');
    if (first == model::TextView::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(u' ') - first + 1);
}

// Drops from `text` its leading run of `least` to `most` ASCII digits and
// gives their value; a shorter or longer run fails.
int takeNumber(model::TextView& text, std::size_t least, std::size_t most) {
    const std::size_t count = std::min(text.find_first_not_of(u"0123456789"), text.size());
    if (count < least || count > most) {
        typeMismatch();
    }
    int value = 0;
    for (const char16_t digit : text.substr(0, count)) {
        value = value * 10 + (digit - u'0');
    }
    text.remove_prefix(count);
    return value;
}

void takeSlash(model::TextView& text) {
    if (!text.starts_with(u'/')) {
        typeMismatch();
    }
    text.remove_prefix(1);
}

// The proleptic Gregorian calendar of the standard library.
std::chrono::year_month_day civil(int year, int month, int day) {
    return {std::chrono::year(year), std::chrono::month(static_cast<unsigned>(month)),
            std::chrono::day(static_cast<unsigned>(day))};
}

std::int16_t checked16(int value) {
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        overflow();
    }
    return static_cast<std::int16_t>(value);
}

}  // namespace

model::Date dateFromText(model::TextView text) {
    text = withoutSpaces(text);
    const int year = takeNumber(text, 3, 4);
    takeSlash(text);
    const int month = takeNumber(text, 1, 2);
    takeSlash(text);
    const int day = takeNumber(text, 1, 2);
    if (!text.empty() || year < 100 || !civil(year, month, day).ok()) {
        typeMismatch();
    }
    return {year, month, day};
}

int weekdayOf(model::Date date) {
    const std::chrono::weekday day{std::chrono::sys_days(civil(date.year, date.month, date.day))};
    return static_cast<int>(day.c_encoding()) + 1;  // c_encoding: Sunday is 0
}

double numberFromText(model::TextView text) {
    text = withoutSpaces(text);
    const bool negative = text.starts_with(u'-');
    if (negative || text.starts_with(u'+')) {
        text.remove_prefix(1);
    }
    if (text.find_first_not_of(u"0123456789.") != model::TextView::npos) {
        typeMismatch();
    }
    const std::string ascii(text.begin(), text.end());  // ASCII only by now
    double value = 0.0;
    const char* const end = ascii.data() + ascii.size();
    const auto [stop, error] = std::from_chars(ascii.data(), end, value, std::chars_format::fixed);
    if (stop != end || error == std::errc::invalid_argument) {
        typeMismatch();
    }
    if (error == std::errc::result_out_of_range) {
        // Beyond the range of a double (a nonzero digit before any point) is a
        // failure; below it is zero.
        if (ascii.find_first_not_of('0') < ascii.find('.')) {
            overflow();
        }
        value = 0.0;
    }
    return negative ? -value : value;
}

std::int16_t roundToInteger(double value) {
    if (!std::isfinite(value) || value < -32768.5 || value > 32767.5) {
        overflow();
    }
    // Done by hand so that the result does not depend on the rounding mode.
    const double below = std::floor(value);
    const double rest = value - below;
    const int whole = static_cast<int>(below);
    const bool up = rest > 0.5 || (rest == 0.5 && whole % 2 != 0);
    return checked16(up ? whole + 1 : whole);
}

std::int16_t add16(std::int16_t a, std::int16_t b) {
    return checked16(int{a} + int{b});
}

std::int16_t sub16(std::int16_t a, std::int16_t b) {
    return checked16(int{a} - int{b});
}

std::int16_t mul16(std::int16_t a, std::int16_t b) {
    return checked16(int{a} * int{b});
}

}  // namespace kanmeri::features
