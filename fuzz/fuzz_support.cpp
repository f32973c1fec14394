#include "fuzz/fuzz_support.h"

#include <cstdio>
#include <cstdlib>

namespace kanmeri::fuzz {

namespace {

using model::Text;

constexpr char16_t kReplacement = u'\uFFFD';

// Length of the UTF-8 sequence led by `lead`, or 0 for a byte that leads none.
std::size_t sequenceLength(std::uint8_t lead) {
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 4;
    }
    return 0;
}

void append(Text& out, char32_t cp) {
    if (cp < 0x10000) {
        out.push_back(static_cast<char16_t>(cp));
        return;
    }
    cp -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
}

// Decodes the sequence of length `n` at `at` into `cp`; false when it is
// malformed (bad continuation, overlong, surrogate or above U+10FFFF).
bool decodeOne(const std::uint8_t* at, std::size_t n, char32_t& cp) {
    static constexpr std::uint8_t kLeadMask[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    static constexpr char32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
    cp = at[0] & kLeadMask[n];
    for (std::size_t i = 1; i < n; ++i) {
        if ((at[i] & 0xC0) != 0x80) {
            return false;
        }
        cp = (cp << 6) | (at[i] & 0x3F);
    }
    return cp >= kMinimum[n] && cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF);
}

Text fromUtf8(const std::uint8_t* data, std::size_t size) {
    Text out;
    std::size_t i = 0;
    while (i < size) {
        const std::size_t n = sequenceLength(data[i]);
        char32_t cp = 0;
        if (n == 0 || i + n > size || !decodeOne(data + i, n, cp)) {
            out.push_back(kReplacement);
            ++i;
            continue;
        }
        append(out, cp);
        i += n;
    }
    return out;
}

Text fromUtf16le(const std::uint8_t* data, std::size_t size) {
    Text out;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        out.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
    }
    return out;
}

}  // namespace

model::TextView trimSpaces(model::TextView text) {
    const std::size_t first = text.find_first_not_of(u' ');
    if (first == model::TextView::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(u' ') - first + 1);
}

std::vector<Text> entryTexts(const std::uint8_t* data, std::size_t size) {
    return {fromUtf8(data, size), fromUtf16le(data, size)};
}

EntryForm::EntryForm(model::Window& window)
    : model::Form(window),
      inymd(add<model::TextBox>({.name = u"inymd", .rect = {0, 0, 1500, 300}, .tab = 0})),
      outyoubi(
          add<model::Label>({.name = u"outyoubi", .rect = {0, 0, 1500, 300}, .caption = u" "})),
      insuu(add<model::TextBox>({.name = u"insuu", .rect = {0, 0, 1500, 300}, .tab = 1})),
      secdisp(add<model::Label>({.name = u"secdisp", .rect = {0, 0, 1500, 300}, .caption = u" "})) {
    features::unsei_set(fortune.unsei);
}

EntryWindow::EntryWindow(const model::TextMeasure& measure)
    : model::Window({u"kanmeri", u"", 8700, 5100, 0xFFFFFF, "", ""}, measure) {}

std::unique_ptr<model::Form> EntryWindow::createForm() {
    return std::make_unique<EntryForm>(*this);
}

void fail(const char* what, model::TextView entry) {
    std::fprintf(stderr, "broken: %s\nentry:", what);
    for (const char16_t unit : entry) {
        std::fprintf(stderr, " U+%04X", static_cast<unsigned>(unit));
    }
    std::fprintf(stderr, "\n");
    std::abort();
}

}  // namespace kanmeri::fuzz
