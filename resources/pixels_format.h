#pragma once
// A picture stored ready to draw, made at build time (bake/): a fixed header,
// then rows of 8-bit red, green and blue samples, each padded to a multiple of
// four bytes. Drawn straight from the embedded bytes, it is never decoded and
// never copied.
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
