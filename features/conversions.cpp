#include "features/conversions.h"

#include <charconv>
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

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// Reads a text left to right; every step looks at one code unit at most once,
// so no input, however long, costs more than one pass.
class Cursor {
public:
    explicit Cursor(model::TextView text) : text_(text) {}

    void skipSpaces() {
        while (pos_ < text_.size() && text_[pos_] == u' ') {
            ++pos_;
        }
    }
    bool take(char16_t c) {
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    // At least `least` and at most `most` digits; fewer fail, more stay unread.
    int number(int least, int most) {
        int value = 0;
        int count = 0;
        while (count < most && pos_ < text_.size() && isDigit(text_[pos_])) {
            value = value * 10 + (text_[pos_] - u'0');
            ++pos_;
            ++count;
        }
        if (count < least) {
            typeMismatch();
        }
        return value;
    }
    // Digits as ASCII, appended to `out`; the count read.
    std::size_t digits(std::string& out) {
        const std::size_t from = pos_;
        while (pos_ < text_.size() && isDigit(text_[pos_])) {
            out.push_back(static_cast<char>(text_[pos_]));
            ++pos_;
        }
        return pos_ - from;
    }
    [[nodiscard]] bool atEnd() const { return pos_ == text_.size(); }

private:
    model::TextView text_;
    std::size_t pos_ = 0;
};

bool isLeap(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeap(year) ? 29 : kDays[month - 1];
}

// Days since 1970-01-01 of a proleptic Gregorian date (civil-from-days
// inverse, eras of 400 years).
long daysFromCivil(int year, int month, int day) {
    const int y = month <= 2 ? year - 1 : year;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return static_cast<long>(era) * 146097 + doe - 719468;
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
    Cursor in(text);
    in.skipSpaces();
    const int year = in.number(3, 4);
    if (!in.take(u'/')) {
        typeMismatch();
    }
    const int month = in.number(1, 2);
    if (!in.take(u'/')) {
        typeMismatch();
    }
    const int day = in.number(1, 2);
    in.skipSpaces();
    if (!in.atEnd() || year < 100 || month < 1 || month > 12 || day < 1 ||
        day > daysInMonth(year, month)) {
        typeMismatch();
    }
    return {year, month, day};
}

int weekdayOf(model::Date date) {
    // 1970-01-01 was a Thursday (5 with Sunday = 1).
    const long days = daysFromCivil(date.year, date.month, date.day);
    const long shifted = (days + 4) % 7;
    return static_cast<int>(shifted < 0 ? shifted + 7 : shifted) + 1;
}

double numberFromText(model::TextView text) {
    Cursor in(text);
    in.skipSpaces();
    const bool negative = in.take(u'-');
    if (!negative) {
        (void)in.take(u'+');
    }
    std::string ascii;
    const std::size_t whole = in.digits(ascii);
    const bool nonzeroWhole = ascii.find_first_not_of('0') != std::string::npos;
    std::size_t fraction = 0;
    if (in.take(u'.')) {
        ascii.push_back('.');
        fraction = in.digits(ascii);
    }
    in.skipSpaces();
    if (!in.atEnd() || whole + fraction == 0) {
        typeMismatch();
    }
    double value = 0.0;
    const auto [end, error] =
        std::from_chars(ascii.data(), ascii.data() + ascii.size(), value, std::chars_format::fixed);
    if (error == std::errc::result_out_of_range) {
        // Beyond the range of a double is a failure; below it is zero.
        if (nonzeroWhole) {
            overflow();
        }
        value = 0.0;
    } else if (error != std::errc{} || end != ascii.data() + ascii.size()) {
        typeMismatch();
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
    double rounded = below;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(below, 2.0) != 0.0)) {
        rounded = below + 1.0;
    }
    return checked16(static_cast<int>(rounded));
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
