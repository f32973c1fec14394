// Any text in the date entry, then "ＯＫ": the outcome is the weekday sentence
// of the date the entry names, or one of the two messages with the entry
// blanked to two spaces and focused and the result label untouched. Which of
// the three is decided here independently: the range check by code units,
// the layout by its own reading, the weekday by the standard calendar.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "features/weekday_lookup.h"
#include "fuzz/fuzz_support.h"
#include "model/tests/support/recording_services.h"

namespace {

using kanmeri::model::MessageStyle;
using kanmeri::model::Text;
using kanmeri::model::TextView;
using kanmeri::testing::RecordingServices;
using kanmeri::testing::ServiceCall;
namespace fuzz = kanmeri::fuzz;

constexpr TextView kBefore = u"(before)";

// A run of min..max ASCII digits at `at`, not followed by another digit,
// consumed; nothing otherwise.
std::optional<int> digits(TextView text, std::size_t& at, std::size_t min, std::size_t max) {
    std::size_t n = 0;
    int value = 0;
    while (at + n < text.size() && n < max && text[at + n] >= u'0' && text[at + n] <= u'9') {
        value = value * 10 + (text[at + n] - u'0');
        ++n;
    }
    if (n < min || (at + n < text.size() && text[at + n] >= u'0' && text[at + n] <= u'9')) {
        return std::nullopt;
    }
    at += n;
    return value;
}

// The layout "yyyy/m/d" between optional ASCII spaces, as a calendar date.
std::optional<std::chrono::year_month_day> readDate(TextView text) {
    text = fuzz::trimSpaces(text);
    if (text.empty()) {
        return std::nullopt;
    }
    std::size_t at = 0;
    const auto y = digits(text, at, 3, 4);
    if (!y || at >= text.size() || text[at++] != u'/') {
        return std::nullopt;
    }
    const auto m = digits(text, at, 1, 2);
    if (!m || at >= text.size() || text[at++] != u'/') {
        return std::nullopt;
    }
    const auto d = digits(text, at, 1, 2);
    if (!d || at != text.size() || *y < 100) {
        return std::nullopt;
    }
    const std::chrono::year_month_day date{std::chrono::year{*y},
                                           std::chrono::month{static_cast<unsigned>(*m)},
                                           std::chrono::day{static_cast<unsigned>(*d)}};
    return date.ok() ? std::optional(date) : std::nullopt;
}

Text sentence(const std::chrono::year_month_day& date) {
    const unsigned sundayFirst = std::chrono::weekday{std::chrono::sys_days{date}}.c_encoding();
    return Text(u" お探しの日の曜日は\u3000") +
           Text(kanmeri::features::kWeekdayNames.at(sundayFirst)) + u"\u3000です";
}

void lookUp(const Text& entry) {
    RecordingServices services;
    fuzz::EntryWindow window(services);
    services.showWindow(window);
    services.clear();
    fuzz::EntryForm& form = window.controls();
    form.outyoubi.setCaption(Text(kBefore));
    form.inymd.edit(entry, entry.size());

    kanmeri::features::okBotan_Click({form.inymd, form.outyoubi}, services);

    const bool inRange = TextView(entry) >= u"0100/01/01" && TextView(entry) <= u"9999/01/01";
    const auto date = inRange ? readDate(entry) : std::nullopt;
    if (date) {
        fuzz::check(services.calls.empty(), "a date was looked up with a service call", entry);
        fuzz::check(form.outyoubi.caption() == sentence(*date), "wrong weekday sentence", entry);
        fuzz::check(form.inymd.text() == entry, "the entry changed on success", entry);
        return;
    }
    const std::vector<ServiceCall> expected =
        inRange
            ? std::vector{kanmeri::testing::messageCall(
                              u"年月日等の不正です。\u3000再入力して下さい",
                              MessageStyle::Exclamation, Text(u"ERR 情報")),
                          kanmeri::testing::beepCall()}
            : std::vector{kanmeri::testing::beepCall(),
                          kanmeri::testing::messageCall(u"入力間違いです", MessageStyle::OkOnly)};
    fuzz::check(services.withoutFocus() == expected, "wrong beep and message", entry);
    fuzz::check(form.inymd.text() == u"  ", "the entry was not blanked", entry);
    fuzz::check(services.focused() == &form.inymd, "the entry lost the focus", entry);
    fuzz::check(form.outyoubi.caption() == kBefore, "a refused entry changed the result", entry);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (const Text& entry : fuzz::entryTexts(data, size)) {
        lookUp(entry);
    }
    return 0;
}
