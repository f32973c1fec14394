#pragma once
// The program's icons drawn as vector shapes, so every size comes from the
// same outline: the yellow smiley of the main window and the face beside a
// small computer of the clock window.
#include <QImage>

namespace kanmeri::generator {

// A transparent square image of the given side with the smiley filling it.
// 'smooth' turns anti-aliasing on (for the desktop's PNG icons).
[[nodiscard]] QImage drawSmiley(int side, bool smooth);

// The smiley as a 16 x 16 pixel drawing in yellow and black.
[[nodiscard]] QImage drawSmallSmiley();

// A transparent 32 x 32 image: a cartoon face on the left, a small computer
// (screen on a stand, keyboard in front) on the right.
[[nodiscard]] QImage drawFaceBesideComputer();

}  // namespace kanmeri::generator
