#include "features/weekday_lookup.h"

#include <exception>

#include "features/conversions.h"

namespace kanmeri::features {

const std::array<model::TextView, 7> kWeekdayNames = {
    u"日曜日", u"月曜日", u"火曜日", u"水曜日", u"木曜日", u"金曜日", u"土曜日",
};

namespace {

constexpr model::TextView kLowerBound = u"0100/01/01";
constexpr model::TextView kUpperBound = u"9999/01/01";
constexpr model::TextView kOutOfRange = u"入力間違いです";
constexpr model::TextView kNotADate = u"年月日等の不正です。\u3000再入力して下さい";
constexpr model::TextView kFailureTitle = u"ERR 情報";
constexpr model::TextView kErrorFill = u"  ";
constexpr model::TextView kCancelFill = u"            ";
constexpr model::TextView kSentenceHead = u" お探しの日の曜日は\u3000";
constexpr model::TextView kSentenceTail = u"\u3000です";

// The bounds are texts, compared code unit by code unit, not dates: an entry
// with a leading blank or a one-digit month after 9999/ falls outside.
bool inRange(model::TextView entry) {
    return entry >= kLowerBound && entry <= kUpperBound;
}

model::Text sentence(int weekday) {
    model::Text out(kSentenceHead);
    out += kWeekdayNames.at(static_cast<std::size_t>(weekday - 1));
    out += kSentenceTail;
    return out;
}

void blankAndFocus(DateEntry entry, model::WindowServices& services) {
    entry.inymd.setText(model::Text(kErrorFill));
    services.setFocus(entry.inymd);
}

void lookUp(DateEntry entry, model::WindowServices& services) {
    const model::Text entered = entry.inymd.text();
    if (!inRange(entered)) {
        services.beep();
        services.messageBox(model::Text(kOutOfRange), model::MessageStyle::OkOnly, std::nullopt);
        blankAndFocus(entry, services);
        return;
    }
    const int weekday = weekdayOf(dateFromText(entered));
    entry.outyoubi.setCaption(sentence(weekday));
}

}  // namespace

void okBotan_Click(DateEntry entry, model::WindowServices& services) {
    try {
        lookUp(entry, services);
    } catch (const std::exception&) {
        // model::Failure (not a date) and the library's own exceptions alike.
        services.messageBox(model::Text(kNotADate), model::MessageStyle::Exclamation,
                            model::Text(kFailureTitle));
        services.beep();
        blankAndFocus(entry, services);
    }
}

void noBotan_Click(DateEntry entry, model::WindowServices& services) {
    entry.inymd.setText(model::Text(kCancelFill));
    services.setFocus(entry.inymd);
}

void inymd_Click(DateEntry entry) {
    entry.outyoubi.setCaption(u" ");
}

void inymd_Change(DateEntry entry, model::WindowServices& services) {
    services.setFocus(entry.inymd);
}

void inymd_KeyPress(DateEntry entry, std::int16_t key) {
    if (key == 13) {
        entry.inymd.setText(entry.inymd.text() + u" ");
    }
}

}  // namespace kanmeri::features
