// The fortune draw and its message table.
#include "features/fortune.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "features/tests/scratch_window.h"
#include "model/failure.h"
#include "model/tests/support/printers.h"

namespace kanmeri::features {
namespace {

using model::MessageStyle;
using model::Text;
using testing::focusCall;
using testing::messageCall;
using testing::ServiceCall;
using testing::utf8;

// Texts are joined with append(): at -O3 GCC 12 warns of an overlapping copy
// in a literal + a string (-Wrestrict), which is not one.

const Text kPrevious = u"previous message";
constexpr std::int16_t kOldKazu = 7;
constexpr std::int16_t kOldByou = 33;

const std::vector<ServiceCall> kOutOfRangeCalls = {
    messageCall(u"入力間違いです", MessageStyle::OkOnly), focusCall(u"insuu")};
const std::vector<ServiceCall> kNotANumberCalls = {
    messageCall(u"入力情報のエラーです", MessageStyle::OkOnly), focusCall(u"insuu")};

// The entry shown for a digit at a second, worked out from the offsets the
// draw adds: 1 for the digits 0 and 1, 2 x digit - 1 above.
int expectedEntry(int digit, int second) {
    const int offset = digit <= 1 ? 1 : 2 * digit - 1;
    const int entry = second + offset;
    return entry > 59 ? entry - 59 : entry;
}

class FortuneDrawTest : public ::testing::Test {
protected:
    FortuneDrawTest()
        : insuu(window.form().add<model::TextBox>({.name = u"insuu", .tab = 0})),
          secdisp(window.form().add<model::Label>({.name = u"secdisp", .caption = kPrevious})) {
        // Numbered entries tell which one was shown.
        for (std::size_t i = 0; i < kFortuneCount; ++i) {
            state.unsei[i] = testing::widen(std::string("#").append(std::to_string(i)));
        }
        state.kazu = kOldKazu;
        state.byou = kOldByou;
    }

    FortuneDraw draw() { return FortuneDraw{insuu, secdisp, state}; }
    void go(const Text& entry, int second, const model::Clock& with) {
        insuu.edit(entry, entry.size());
        clock.time.second = second;
        stop_Click(draw(), services, with);
    }
    void go(const Text& entry, int second = 0) { go(entry, second, clock); }
    void expectUnchanged() {
        EXPECT_EQ(state.kazu, kOldKazu);
        EXPECT_EQ(state.byou, kOldByou);
        EXPECT_EQ(secdisp.caption(), kPrevious);
        EXPECT_EQ(insuu.text(), u"  ");
    }

    testing::ScratchWindow window;
    model::TextBox& insuu;
    model::Label& secdisp;
    FortuneState state;
    testing::RecordingServices services;
    testing::FakeClock clock;
};

TEST_F(FortuneDrawTest, everyDigitAtEverySecond_showsTheEntryOfTheFormula) {
    // One draw; a fatal failure in it ends that draw only.
    const auto drawAndCheck = [this](int digit, int second) {
        go(testing::widen(std::to_string(digit)), second);
        const int entry = expectedEntry(digit, second);
        ASSERT_GE(entry, 1);
        ASSERT_LE(entry, 59);
        EXPECT_EQ(secdisp.caption(), state.unsei[static_cast<std::size_t>(entry)]);
        EXPECT_EQ(state.byou, entry);
        EXPECT_EQ(state.kazu, digit <= 1 ? 1 : 2 * digit - 1);
        EXPECT_EQ(insuu.text(), u"");
    };
    for (int digit = 0; digit <= 9; ++digit) {
        for (int second = 0; second <= 59; ++second) {
            SCOPED_TRACE(::testing::Message() << "digit " << digit << " second " << second);
            drawAndCheck(digit, second);
        }
    }
    EXPECT_TRUE(services.calls.empty());
}

TEST_F(FortuneDrawTest, acceptedNumbers_drawLikeTheirRoundedDigit) {
    const std::vector<std::pair<Text, int>> rows = {
        {u"0.5", 0}, {u"1.5", 2}, {u"2.5", 2}, {u"8.5", 8},  {u"0.4", 0}, {u"-0", 0},
        {u"8.9", 9}, {u" 5 ", 5}, {u"5 ", 5},  {u"007", 7},  {u"+3", 3},  {u".5", 0},
        {u"9", 9},   {u"9.0", 9}, {u"0", 0},   {u"-0.0", 0}, {u"4.", 4},
    };
    for (const auto& [entry, digit] : rows) {
        SCOPED_TRACE(utf8(entry));
        go(entry, 58);
        EXPECT_EQ(state.byou, expectedEntry(digit, 58));
    }
    EXPECT_TRUE(services.calls.empty());
}

TEST_F(FortuneDrawTest, numbersBelowTheSmallestDouble_drawAsZero) {
    const std::vector<std::pair<const char*, Text>> rows = {
        {"positive", Text(u"0.").append(400, u'0').append(u"1")},
        {"negative", Text(u"-0.").append(400, u'0').append(u"1")},
    };
    for (const auto& [name, entry] : rows) {
        SCOPED_TRACE(name);
        go(entry, 30);
        EXPECT_EQ(state.byou, expectedEntry(0, 30));
        EXPECT_EQ(insuu.text(), u"");
    }
    EXPECT_TRUE(services.calls.empty());
}

struct RefusedRow {
    const char* name;
    Text entry;
    const std::vector<ServiceCall>& calls;
    int second = 42;
};

// 459 digits, "2088" ... "82222": far beyond the largest double (about 1.8e308).
Text digitsBeyondDouble() {
    Text digits = u"2088";
    while (digits.size() < 459 - 5) {
        digits += u"1234567890";
    }
    digits.resize(459 - 5);
    digits += u"82222";
    return digits;
}

TEST_F(FortuneDrawTest, refusedEntries_reportAndLeaveTheStateAsItWas) {
    const std::vector<RefusedRow> rows = {
        {"belowZero", u"-1", kOutOfRangeCalls},
        {"aboveNine", u"10", kOutOfRangeCalls},
        {"ninePointFive", u"9.5", kOutOfRangeCalls},
        {"slightlyNegative", u"-0.1", kOutOfRangeCalls},
        {"manyNines", u"99999999", kOutOfRangeCalls},
        {"empty", u"", kNotANumberCalls},
        {"blanks", u"  ", kNotANumberCalls},
        {"plusOnly", u"+", kNotANumberCalls},
        {"minusOnly", u"-", kNotANumberCalls},
        {"pointOnly", u".", kNotANumberCalls},
        {"exponent", u"1e1", kNotANumberCalls},
        {"letter", u"a", kNotANumberCalls},
        {"fullWidthDigit", u"５", kNotANumberCalls},
        {"twoNumbers", u"1 2", kNotANumberCalls},
        {"nulAfterDigit", Text(u"5\0", 2), kNotANumberCalls},
        {"megabyteOfDigits", Text(1 << 20, u'9'), kNotANumberCalls},
        // Found by the fuzzer: beyond a double's range the conversion fails,
        // whatever the sign, before the range check could say "out of range".
        {"negative459Digits", Text(u"-").append(digitsBeyondDouble()), kNotANumberCalls, 45},
        {"positive459Digits", digitsBeyondDouble(), kNotANumberCalls, 45},
        {"negativeSubnormal", Text(u"-0.").append(320, u'0').append(u"1"), kOutOfRangeCalls},
    };
    testing::forEachRow(rows, [&](const RefusedRow& row) {
        services.clear();
        go(row.entry, row.second);
        EXPECT_EQ(services.calls, row.calls);
        EXPECT_EQ(insuu.caret(), 0U);
        expectUnchanged();
    });
}

TEST_F(FortuneDrawTest, secondGoAfterADraw_reportsTheEmptyBox) {
    go(u"3", 10);
    const Text shown = secdisp.caption();
    stop_Click(draw(), services, clock);
    EXPECT_EQ(services.calls, kNotANumberCalls);
    EXPECT_EQ(secdisp.caption(), shown);
    EXPECT_EQ(insuu.text(), u"  ");
}

class BrokenClock : public model::Clock {
public:
    [[nodiscard]] model::LocalTime read() const override { throw std::runtime_error("no clock"); }
};

TEST_F(FortuneDrawTest, libraryExceptionInTheBody_endsInTheTrap) {
    BrokenClock broken;
    EXPECT_NO_THROW(go(u"3", 0, broken));
    EXPECT_EQ(services.calls, kNotANumberCalls);
    expectUnchanged();
}

// kazu and byou are the draw's working values; only the message must stay.
TEST_F(FortuneDrawTest, unseiDrawOverflowOrBadSubscript_failsWithoutShowingAMessage) {
    const std::vector<std::tuple<const char*, std::int16_t, std::int16_t, model::Failure::Kind>>
        rows = {
            {"kazuOverflows", 32767, 0, model::Failure::Kind::Overflow},
            {"doublingOverflows", 16384, 0, model::Failure::Kind::Overflow},
            {"byouOverflows", 5, 32767, model::Failure::Kind::Overflow},
            {"indexBelowTable", 0, -5, model::Failure::Kind::Subscript},
            {"indexAboveTable", 0, 200, model::Failure::Kind::Subscript},
        };
    for (const auto& [name, kazu, byou, kind] : rows) {
        SCOPED_TRACE(name);
        state.kazu = kazu;
        state.byou = byou;
        try {
            unsei_draw(draw());
            ADD_FAILURE() << "no failure";
        } catch (const model::Failure& failure) {
            EXPECT_EQ(failure.kind(), kind);
        }
        EXPECT_EQ(secdisp.caption(), kPrevious);
    }
}

TEST_F(FortuneDrawTest, clickAndEnter_blankTheMessageAndAppendABlank) {
    insuu_Click(draw());
    EXPECT_EQ(secdisp.caption(), u" ");
    insuu.edit(u"5", 1);
    insuu_KeyPress(draw(), 13);
    insuu_KeyPress(draw(), u'7');
    EXPECT_EQ(insuu.text(), u"5 ");
}

TEST(FortuneTable, unseiSet_fillsEveryEntryExactly) {
    FortuneTable table;
    table.fill(u"stale");
    unsei_set(table);
    ASSERT_EQ(table.size(), 61U);
    EXPECT_EQ(table[0], u" 行動は計画的にするといいでしょう。\u3000\u3000 ");
    EXPECT_EQ(table[1], u" 行動は計画的にするといいでしょう。\u3000 ");
    EXPECT_EQ(table[51], u" 何事もやせ我慢は禁物です。マイペース、マイペース。");
    EXPECT_EQ(table[60], u" 何事も積極的に行動しよう。\u3000運気上昇中。\u3000\u3000");
    // A fatal failure ends its own entry's check only.
    const auto expectFilled = [](const Text& message) {
        EXPECT_NE(message, u"stale");
        ASSERT_GE(message.size(), 2U);
        EXPECT_EQ(message[0], u' ');
        EXPECT_NE(message[1], u' ');
        EXPECT_NE(message[1], u'\u3000');
    };
    for (std::size_t i = 0; i < table.size(); ++i) {
        SCOPED_TRACE(i);
        expectFilled(table[i]);
    }
}

}  // namespace
}  // namespace kanmeri::features
