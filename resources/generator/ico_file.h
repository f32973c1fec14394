#pragma once
// Writes Windows icon files whose images are 16-colour (4 bits per pixel)
// bitmaps with a 1-bit transparency mask, the form the window icons take.
// Colours are mapped to the nearest of the classic 16-colour palette; pixels
// with alpha below 128 become transparent.
#include <QByteArray>
#include <QImage>
#include <vector>

namespace kanmeri::generator {

// Images must be square, 1 to 256 pixels a side. Returns the file's bytes.
[[nodiscard]] QByteArray encodeSixteenColourIcon(const std::vector<QImage>& images);

// The image as the icon will show it: each pixel on the palette, or clear.
[[nodiscard]] QImage quantiseToPalette(const QImage& image);

}  // namespace kanmeri::generator
