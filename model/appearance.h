#pragma once
// Design-time look of a control: font and colours. Colours are 24-bit RGB
// (0xRRGGBB); an absent colour means the desktop's default for that control.
#include <cstdint>

namespace kanmeri::model {

using Rgb = std::uint32_t;

struct Font {
    float points = 9.0F;  // size in typographic points
    bool bold = false;
    bool italic = false;

    // Size in pixels at 96 dots per inch, the unit the fixed layout uses.
    [[nodiscard]] float pixels() const { return points * 96.0F / 72.0F; }

    friend bool operator==(const Font&, const Font&) = default;
};

}  // namespace kanmeri::model
