// Any text in the number entry and any second of the clock, then "ＧＯ": the
// outcome is the fortune the number and the second choose, or one of the two
// messages with the entry blanked to two spaces and focused and kazu, byou and
// secdisp untouched. The first input byte modulo 60 is the second; the rest is
// the entry (read as in fuzz_support.h). Which outcome is due is decided here
// independently: the number by its own reading, rounded halves to even.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "features/fortune.h"
#include "fuzz/fuzz_support.h"
#include "model/tests/support/recording_services.h"

namespace {

using kanmeri::model::MessageStyle;
using kanmeri::model::Text;
using kanmeri::model::TextView;
using kanmeri::testing::FakeClock;
using kanmeri::testing::RecordingServices;
namespace fuzz = kanmeri::fuzz;

constexpr TextView kBefore = u"(before)";
constexpr std::int16_t kKazuBefore = 4321;
constexpr std::int16_t kByouBefore = -7;

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// Optional ASCII spaces, an optional sign, digits with at most one point and
// at least one digit, optional ASCII spaces; its value, or nothing where it is
// not a number or beyond a double's range. A number beyond the range is no
// number: converting it fails just as converting letters does, so the draw
// ends in the failure message, not in the range check. One below the range
// reads as zero (or the nearest subnormal), as the draw reads it.
std::optional<double> readNumber(TextView text) {
    text = fuzz::trimSpaces(text);
    if (text.empty()) {
        return std::nullopt;
    }
    std::string ascii;
    std::size_t at = 0;
    if (text[0] == u'+' || text[0] == u'-') {
        ascii.push_back(static_cast<char>(text[at++]));
    }
    bool point = false;
    bool anyDigit = false;
    for (; at < text.size(); ++at) {
        if (text[at] == u'.' && !point) {
            point = true;
        } else if (isDigit(text[at])) {
            anyDigit = true;
        } else {
            return std::nullopt;
        }
        ascii.push_back(static_cast<char>(text[at]));
    }
    if (!anyDigit) {
        return std::nullopt;
    }
    const double value = std::strtod(ascii.c_str(), nullptr);
    if (std::isinf(value)) {
        return std::nullopt;
    }
    return value;
}

// The message index that an accepted number and a second choose, 1..59.
int fortuneIndex(double value, int second) {
    const int digit = static_cast<int>(std::nearbyint(value));
    const int offset = digit <= 1 ? 1 : 2 * digit - 1;
    const int index = second + offset;
    return index > 59 ? index - 59 : index;
}

void draw(const Text& entry, int second) {
    RecordingServices services;
    FakeClock clock;
    clock.time.second = second;
    fuzz::EntryWindow window(services);
    services.showWindow(window);
    services.clear();
    fuzz::EntryForm& form = window.controls();
    form.secdisp.setCaption(Text(kBefore));
    form.fortune.kazu = kKazuBefore;
    form.fortune.byou = kByouBefore;
    form.insuu.edit(entry, entry.size());

    kanmeri::features::stop_Click({form.insuu, form.secdisp, form.fortune}, services, clock);

    const auto value = readNumber(entry);
    if (value && *value >= 0.0 && *value <= 9.0) {
        const int index = fortuneIndex(*value, second);
        fuzz::check(services.calls.empty(), "a draw made a service call", entry);
        fuzz::check(form.fortune.byou == index, "byou is not the index drawn", entry);
        fuzz::check(
            form.secdisp.caption() == form.fortune.unsei.at(static_cast<std::size_t>(index)),
            "wrong fortune shown", entry);
        fuzz::check(form.insuu.text().empty(), "the entry was not emptied", entry);
        return;
    }
    const TextView message = value ? u"入力間違いです" : u"入力情報のエラーです";
    fuzz::check(services.withoutFocus() ==
                    std::vector{kanmeri::testing::messageCall(Text(message), MessageStyle::OkOnly)},
                "wrong message", entry);
    fuzz::check(form.insuu.text() == u"  ", "the entry was not blanked", entry);
    fuzz::check(services.focused() == &form.insuu, "the entry lost the focus", entry);
    fuzz::check(form.secdisp.caption() == kBefore, "a refused entry changed the fortune", entry);
    fuzz::check(form.fortune.kazu == kKazuBefore && form.fortune.byou == kByouBefore,
                "a refused entry changed kazu or byou", entry);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const int second = data[0] % 60;
    for (const Text& entry : fuzz::entryTexts(data + 1, size - 1)) {
        draw(entry, second);
    }
    return 0;
}
