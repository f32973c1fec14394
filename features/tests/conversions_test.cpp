// The date and number conversions and the checked 16-bit arithmetic.
#include "features/conversions.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <limits>
#include <vector>

#include "features/tests/scratch_window.h"
#include "model/failure.h"
#include "model/tests/support/printers.h"

namespace kanmeri::features {
namespace {

using model::Failure;
using testing::utf8;
using testing::widen;

model::Text slashed(int year, int month, int day) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%04d/%02d/%02d", year, month, day);
    return widen(buffer);
}

int monthLength(int year, int month) {
    static constexpr int kLengths[] = {31, 0, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month != 2) {
        return kLengths[month - 1];
    }
    const bool leap = year % 400 == 0 || (year % 100 != 0 && year % 4 == 0);
    return leap ? 29 : 28;
}

template <typename F>
Failure::Kind failureOf(F&& call) {
    try {
        call();
    } catch (const Failure& failure) {
        return failure.kind();
    }
    ADD_FAILURE() << "no failure";
    return Failure::Kind::Subscript;
}

TEST(DateFromText, everyDayOfTheRange_readsAndHasTheWeekdayOfARunningCount) {
    int weekday = 6;  // 0100/01/01 was a Friday
    long days = 0;
    for (int year = 100; year <= 9999; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= monthLength(year, month); ++day) {
                const model::Date date = dateFromText(slashed(year, month, day));
                if (date != model::Date{year, month, day} || weekdayOf(date) != weekday) {
                    FAIL() << utf8(slashed(year, month, day)) << " weekday " << weekdayOf(date)
                           << " expected " << weekday;
                }
                weekday = weekday % 7 + 1;
                ++days;
            }
        }
    }
    EXPECT_EQ(days, 3615900);  // every day of the years 100 to 9999
}

TEST(DateFromText, shortFieldsAndBlanks_read) {
    EXPECT_EQ(dateFromText(u"100/1/1"), (model::Date{100, 1, 1}));
    EXPECT_EQ(dateFromText(u"  2000/2/29   "), (model::Date{2000, 2, 29}));
    EXPECT_EQ(dateFromText(u"0100/01/01"), (model::Date{100, 1, 1}));
}

struct BadText {
    const char* name;
    model::Text text;
};

TEST(DateFromText, textsThatAreNoDate_failAsTypeMismatch) {
    const std::vector<BadText> rows = {
        {"empty", u""},
        {"blanks", u"   "},
        {"letters", u"abcd/ef/gh"},
        {"fullWidthDigits", u"２０００/01/01"},
        {"nulInside", model::Text(u"2000/01\0/01", 11)},
        {"surrogatePair", u"2000/01/01\U0001F600"},
        {"loneSurrogate", model::Text{u'2', u'0', u'0', u'0', u'/', u'1', u'/', char16_t(0xD800)}},
        {"tab", u"\t2000/01/01"},
        {"newline", u"2000/01/01\n"},
        {"ideographicSpace", u"\u30002000/01/01"},
        {"yearBelowRange", u"099/12/31"},
        {"twoDigitYear", u"99/12/31"},
        {"notALeapYear", u"1900/02/29"},
        {"dayBeyondMonth", u"2001/02/30"},
        {"monthThirteen", u"2000/13/01"},
        {"monthZero", u"2000/00/10"},
        {"dayZero", u"2000/01/00"},
        {"fiveDigitYear", u"12345/01/01"},
        {"threeDigitDay", u"2000/01/001"},
        {"megabyteOfDigits", model::Text(1 << 20, u'1')},
        {"dashes", u"2000-01-01"},
        {"trailingLetter", u"2000/01/01x"},
        {"signedMonth", u"2000/+1/01"},
        {"missingDay", u"2000/01/"},
    };
    testing::forEachRow(rows, [&](const BadText& row) {
        EXPECT_EQ(failureOf([&] { (void)dateFromText(row.text); }), Failure::Kind::TypeMismatch);
    });
}

TEST(DateFromText, megabyteOfSpacesOrDigits_isReadInOnePass) {
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(dateFromText(model::Text(1 << 20, u' ') + u"2000/01/01"), (model::Date{2000, 1, 1}));
    EXPECT_THROW((void)dateFromText(model::Text(1 << 20, u' ') + u"x"), Failure);
    EXPECT_THROW((void)numberFromText(model::Text(1 << 20, u' ') + u"x"), Failure);
    // A ceiling that no busy machine reaches in one pass, while reading the
    // text again for each character (10^12 steps) would take hours.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(60));
}

TEST(NumberFromText, numberForms_readTheirValue) {
    const std::vector<std::pair<model::Text, double>> rows = {
        {u"5", 5.0},         {u" 5 ", 5.0}, {u"5 ", 5.0}, {u"007", 7.0}, {u"8.9", 8.9},
        {u".5", 0.5},        {u"5.", 5.0},  {u"+3", 3.0}, {u"-1", -1.0}, {u"99999999", 99999999.0},
        {u"  -2.25", -2.25},
    };
    for (const auto& [text, value] : rows) {
        SCOPED_TRACE(utf8(text));
        EXPECT_EQ(numberFromText(text), value);
    }
    EXPECT_TRUE(std::signbit(numberFromText(u"-0")));
}

TEST(NumberFromText, otherTexts_fail) {
    const std::vector<BadText> rows = {
        {"empty", u""},         {"blanks", u"  "},       {"plusOnly", u"+"},
        {"minusOnly", u"-"},    {"pointOnly", u"."},     {"exponent", u"1e1"},
        {"letter", u"a"},       {"digitLetter", u"1a"},  {"fullWidth", u"５"},
        {"twoNumbers", u"1 2"}, {"signApart", u"- 5"},   {"hex", u"0x5"},
        {"comma", u"1,5"},      {"twoSigns", u"+-1"},    {"nul", model::Text(u"5\0", 2)},
        {"infinity", u"inf"},   {"twoPoints", u"1.2.3"}, {"pointAfterPoint", u"5.."},
    };
    testing::forEachRow(rows, [&](const BadText& row) {
        EXPECT_EQ(failureOf([&] { (void)numberFromText(row.text); }), Failure::Kind::TypeMismatch);
    });
    EXPECT_EQ(failureOf([] { (void)numberFromText(model::Text(1 << 20, u'9')); }),
              Failure::Kind::Overflow);
    // Beyond a double's range, but with a second point it is no number at all.
    EXPECT_EQ(failureOf([] { (void)numberFromText(model::Text(400, u'9') + u".5.5"); }),
              Failure::Kind::TypeMismatch);
}

TEST(RoundToInteger, halves_goToTheEvenNeighbour) {
    const std::vector<std::pair<double, int>> rows = {
        {0.5, 0},         {1.5, 2},           {2.5, 2},           {8.5, 8},   {0.4, 0},
        {0.6, 1},         {-0.5, 0},          {-1.5, -2},         {-2.5, -2}, {-0.0, 0},
        {32767.4, 32767}, {-32768.5, -32768}, {-32768.0, -32768},
    };
    for (const auto& [value, expected] : rows) {
        SCOPED_TRACE(value);
        EXPECT_EQ(roundToInteger(value), expected);
    }
}

TEST(RoundToInteger, outsideSixteenBitsOrNotFinite_overflows) {
    for (double value :
         {32767.5, -32768.6, 40000.0, 1e300, std::numeric_limits<double>::infinity(),
          -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()}) {
        SCOPED_TRACE(value);
        EXPECT_EQ(failureOf([&] { (void)roundToInteger(value); }), Failure::Kind::Overflow);
    }
}

TEST(Checked16, resultsAtTheLimits_areKeptAndBeyondOverflow) {
    EXPECT_EQ(add16(32766, 1), 32767);
    EXPECT_EQ(sub16(-32767, 1), -32768);
    EXPECT_EQ(mul16(-16384, 2), -32768);
    EXPECT_EQ(failureOf([] { (void)add16(32767, 1); }), Failure::Kind::Overflow);
    EXPECT_EQ(failureOf([] { (void)sub16(-32768, 1); }), Failure::Kind::Overflow);
    EXPECT_EQ(failureOf([] { (void)mul16(16384, 2); }), Failure::Kind::Overflow);
    EXPECT_EQ(failureOf([] { (void)mul16(-32768, -1); }), Failure::Kind::Overflow);
}

}  // namespace
}  // namespace kanmeri::features
