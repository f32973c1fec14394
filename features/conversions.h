#pragma once
// Conversions between the user's texts and values. Every failure throws
// model::Failure, which the running handler's trap catches.
#include <cstdint>

#include "model/clock.h"
#include "model/text.h"

namespace kanmeri::features {

// Optional ASCII spaces, a year of 3-4 digits (100..9999), "/", a month of 1-2
// digits, "/", a day of 1-2 digits that exists in that month of the proleptic
// Gregorian calendar, optional ASCII spaces; anything else is TypeMismatch.
[[nodiscard]] model::Date dateFromText(model::TextView text);

// 1..7, Sunday = 1, proleptic Gregorian calendar.
[[nodiscard]] int weekdayOf(model::Date date);

// Optional ASCII spaces, an optional sign directly before the number, digits,
// digits "." digits, digits ".", or "." digits, optional ASCII spaces. Anything
// else, the empty text included, fails with TypeMismatch.
[[nodiscard]] double numberFromText(model::TextView text);

// Nearest integer, halves to the even neighbour; Overflow outside
// -32768..32767 (and for NaN).
[[nodiscard]] std::int16_t roundToInteger(double value);

// 16-bit signed arithmetic; Overflow when the result leaves -32768..32767.
[[nodiscard]] std::int16_t add16(std::int16_t a, std::int16_t b);
[[nodiscard]] std::int16_t sub16(std::int16_t a, std::int16_t b);
[[nodiscard]] std::int16_t mul16(std::int16_t a, std::int16_t b);

}  // namespace kanmeri::features
