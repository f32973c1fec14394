#include "features/conversions.h"

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
    if (!in.atEnd() || year < 100 || !civil(year, month, day).ok()) {
        typeMismatch();
    }
    return {year, month, day};
}

int weekdayOf(model::Date date) {
    const std::chrono::weekday day{std::chrono::sys_days(civil(date.year, date.month, date.day))};
    return static_cast<int>(day.c_encoding()) + 1;  // c_encoding: Sunday is 0
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
