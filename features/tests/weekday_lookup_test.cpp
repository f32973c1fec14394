// The weekday lookup's handlers as the main window runs them.
#include "features/weekday_lookup.h"

#include <gtest/gtest.h>

#include <new>
#include <vector>

#include "features/tests/scratch_window.h"
#include "model/tests/support/printers.h"

namespace kanmeri::features {
namespace {

using model::MessageStyle;
using model::Text;
using testing::beepCall;
using testing::focusCall;
using testing::messageCall;
using testing::ServiceCall;

const Text kPrevious = u"previous sentence";

Text sentence(const char16_t* name) {
    return Text(u" お探しの日の曜日は\u3000") + name + u"\u3000です";
}

const std::vector<ServiceCall> kOutOfRangeCalls = {
    beepCall(), messageCall(u"入力間違いです", MessageStyle::OkOnly), focusCall(u"inymd")};
const std::vector<ServiceCall> kNotADateCalls = {
    messageCall(u"年月日等の不正です。\u3000再入力して下さい", MessageStyle::Exclamation,
                u"ERR 情報"),
    beepCall(), focusCall(u"inymd")};

class WeekdayLookup : public ::testing::Test {
protected:
    WeekdayLookup()
        : inymd(window.form().add<model::TextBox>({.name = u"inymd", .tab = 0})),
          outyoubi(window.form().add<model::Label>({.name = u"outyoubi", .caption = kPrevious})) {}

    void lookUp(const Text& entry, model::WindowServices& services) {
        inymd.edit(entry, entry.size());
        okBotan_Click(DateEntry{inymd, outyoubi}, services);
    }

    testing::ScratchWindow window;
    model::TextBox& inymd;
    model::Label& outyoubi;
    testing::RecordingServices services;
};

enum class Outcome { Sentence, OutOfRange, NotADate };

struct LookupRow {
    const char* name;
    Text entry;
    Outcome outcome;
    const char16_t* weekday = nullptr;
};

TEST_F(WeekdayLookup, okBotanClick_answersOrReportsEachEntry) {
    const std::vector<LookupRow> rows = {
        {"lowerBound", u"0100/01/01", Outcome::Sentence, u"金曜日"},
        {"upperBound", u"9999/01/01", Outcome::Sentence, u"金曜日"},
        {"millennium", u"2000/01/01", Outcome::Sentence, u"土曜日"},
        {"shortFields", u"2000/1/1", Outcome::Sentence, u"土曜日"},
        {"trailingBlank", u"2000/01/01 ", Outcome::Sentence, u"土曜日"},
        {"threeDigitYear", u"100/1/1", Outcome::Sentence, u"金曜日"},
        {"leapDay", u"2000/02/29", Outcome::Sentence, u"火曜日"},
        {"sunday", u"2000/01/02", Outcome::Sentence, u"日曜日"},
        {"aboveUpperBound", u"9999/01/02", Outcome::OutOfRange},
        {"upperBoundAndBlank", u"9999/01/01 ", Outcome::OutOfRange},
        {"yearEndOfLastYear", u"9999/12/31", Outcome::OutOfRange},
        {"oneDigitMonthAfter9999", u"9999/1/1", Outcome::OutOfRange},
        {"leadingBlank", u" 2000/01/01", Outcome::OutOfRange},
        {"fourDigitYearBelow", u"0099/12/31", Outcome::OutOfRange},
        {"empty", u"", Outcome::OutOfRange},
        {"letter", u"a", Outcome::OutOfRange},
        {"fullWidthDigits", u"２０００/01/01", Outcome::OutOfRange},
        {"noSuchDay", u"2001/02/30", Outcome::NotADate},
        {"notALeapYear", u"1900/02/29", Outcome::NotADate},
        {"digitThenLetter", u"1a", Outcome::NotADate},
        {"dashes", u"2000-01-01", Outcome::NotADate},
        {"oneDigitYear", u"1/1/1", Outcome::NotADate},
        {"nulInside", Text(u"2000/01/01\0", 11), Outcome::NotADate},
    };
    for (const LookupRow& row : rows) {
        SCOPED_TRACE(row.name);
        outyoubi.setCaption(kPrevious);
        services.clear();
        lookUp(row.entry, services);
        if (row.outcome == Outcome::Sentence) {
            EXPECT_EQ(outyoubi.caption(), sentence(row.weekday));
            EXPECT_TRUE(services.calls.empty());
            EXPECT_EQ(inymd.text(), row.entry);
            continue;
        }
        EXPECT_EQ(services.calls,
                  row.outcome == Outcome::OutOfRange ? kOutOfRangeCalls : kNotADateCalls);
        EXPECT_EQ(outyoubi.caption(), kPrevious);
        EXPECT_EQ(inymd.text(), u"  ");
        EXPECT_EQ(inymd.caret(), 0U);
    }
}

TEST_F(WeekdayLookup, successAfterFailure_replacesTheSentence) {
    lookUp(u"2000/01/01", services);
    lookUp(u"2001/02/30", services);
    EXPECT_EQ(outyoubi.caption(), sentence(u"土曜日"));
    lookUp(u"9999/01/01", services);
    EXPECT_EQ(outyoubi.caption(), sentence(u"金曜日"));
}

// Services whose first beep runs out of memory, as a failing library call would.
class FailingBeep : public testing::RecordingServices {
public:
    void beep() override {
        if (!failed_) {
            failed_ = true;
            throw std::bad_alloc();
        }
        RecordingServices::beep();
    }

private:
    bool failed_ = false;
};

TEST_F(WeekdayLookup, libraryExceptionInTheBody_endsInTheTrap) {
    FailingBeep failing;
    EXPECT_NO_THROW(lookUp(u"", failing));
    EXPECT_EQ(failing.calls, kNotADateCalls);
    EXPECT_EQ(inymd.text(), u"  ");
    EXPECT_EQ(outyoubi.caption(), kPrevious);
}

TEST_F(WeekdayLookup, enterTwice_appendsTwoBlanksAndOtherKeysNothing) {
    inymd.edit(u"2000/01/01", 10);
    inymd_KeyPress(DateEntry{inymd, outyoubi}, 13);
    inymd_KeyPress(DateEntry{inymd, outyoubi}, u'5');
    inymd_KeyPress(DateEntry{inymd, outyoubi}, 13);
    EXPECT_EQ(inymd.text(), u"2000/01/01  ");
    EXPECT_EQ(outyoubi.caption(), kPrevious);
    okBotan_Click(DateEntry{inymd, outyoubi}, services);
    EXPECT_EQ(outyoubi.caption(), sentence(u"土曜日"));
}

TEST_F(WeekdayLookup, noBotanClick_blanksToTwelveSpacesAndFocuses) {
    inymd.edit(u"2000/01/01", 10);
    noBotan_Click(DateEntry{inymd, outyoubi}, services);
    EXPECT_EQ(inymd.text(), u"            ");
    EXPECT_EQ(services.calls, std::vector<ServiceCall>{focusCall(u"inymd")});
    EXPECT_EQ(outyoubi.caption(), kPrevious);
}

TEST_F(WeekdayLookup, clickAndChange_clearTheSentenceAndKeepTheFocus) {
    inymd_Click(DateEntry{inymd, outyoubi});
    EXPECT_EQ(outyoubi.caption(), u" ");
    inymd_Change(DateEntry{inymd, outyoubi}, services);
    EXPECT_EQ(services.lastFocus(), Text(u"inymd"));
}

TEST(WeekdayNames, sundayFirst) {
    const std::array<model::TextView, 7> expected = {u"日曜日", u"月曜日", u"火曜日", u"水曜日",
                                                     u"木曜日", u"金曜日", u"土曜日"};
    EXPECT_EQ(kWeekdayNames, expected);
}

}  // namespace
}  // namespace kanmeri::features
