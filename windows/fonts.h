#pragma once
// The fonts of the window designs, all in the one Japanese Gothic face.
#include "model/appearance.h"

namespace kanmeri::windows {

// clang-format off
[[nodiscard]] constexpr model::Font bold(float points) { return {points, true, false}; }
[[nodiscard]] constexpr model::Font boldItalic(float points) { return {points, true, true}; }
[[nodiscard]] constexpr model::Font regular(float points) { return {points, false, false}; }
[[nodiscard]] constexpr model::Font regularItalic(float points) { return {points, false, true}; }
// clang-format on

}  // namespace kanmeri::windows
