#pragma once
// What both fuzz targets share: the readings of the fuzzer's bytes as entry
// texts, a window whose form holds the entry boxes and labels the handlers act
// on, and the way a broken property is reported.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "features/fortune.h"
#include "model/controls.h"
#include "model/form.h"
#include "model/text.h"
#include "model/window.h"

namespace kanmeri::fuzz {

// Two texts from the same bytes, so that one corpus exercises both what a
// keyboard delivers and arbitrary code units:
//  [0] the bytes as UTF-8, each byte of a malformed sequence read as U+FFFD;
//  [1] the bytes as UTF-16LE code units, an odd last byte dropped, lone
//      surrogates kept.
[[nodiscard]] std::vector<model::Text> entryTexts(const std::uint8_t* data, std::size_t size);

// `text` without its leading and trailing ASCII spaces.
[[nodiscard]] model::TextView trimSpaces(model::TextView text);

// The controls of the weekday lookup and the fortune draw, and the form's
// fortune variables with the table filled.
class EntryForm : public model::Form {
public:
    explicit EntryForm(model::Window& window);

    model::TextBox& inymd;
    model::Label& outyoubi;
    model::TextBox& insuu;
    model::Label& secdisp;
    features::FortuneState fortune;
};

class EntryWindow : public model::Window {
public:
    explicit EntryWindow(const model::TextMeasure& measure);
    [[nodiscard]] EntryForm& controls() const { return static_cast<EntryForm&>(form()); }

protected:
    [[nodiscard]] std::unique_ptr<model::Form> createForm() override;
};

// Reports the broken property with the entry (as code points) and aborts, so
// that libFuzzer keeps the input.
[[noreturn]] void fail(const char* what, model::TextView entry);

// Aborts through fail() unless `holds`.
inline void check(bool holds, const char* what, model::TextView entry) {
    if (!holds) {
        fail(what, entry);
    }
}

}  // namespace kanmeri::fuzz
