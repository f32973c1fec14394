#pragma once
// A picture stored ready to draw: a fixed header followed by the rows of
// 8-bit red, green and blue samples, each row padded to a multiple of four
// bytes. The program draws straight from the embedded bytes, so showing a
// window decodes nothing and keeps no second copy of its picture.
//
// Made at build time from the committed picture files (bake/).
#include <array>
#include <cstddef>
#include <cstdint>

namespace kanmeri::resources {

inline constexpr std::array<char, 8> kPixelsMagic{'K', 'N', 'M', 'R', 'P', 'X', '0', '1'};

struct PixelsHeader {
    std::array<char, 8> magic;
    std::uint32_t width;
    std::uint32_t height;
    std::uint32_t bytesPerLine;  // >= 3 * width, a multiple of 4
    std::array<std::uint32_t, 3> reserved;
};
static_assert(sizeof(PixelsHeader) == 32);

// Rows must start on four-byte boundaries; the header keeps them there.
[[nodiscard]] constexpr std::uint32_t pixelsRowBytes(std::uint32_t width) {
    return (3 * width + 3) / 4 * 4;
}

// The resource path of the baked form of a picture: its own path + ".pixels".
inline constexpr const char* kPixelsSuffix = ".pixels";

}  // namespace kanmeri::resources
