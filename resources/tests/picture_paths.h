#pragma once
// Resource paths of the pictures and icons built into the program by the
// kanmeri_resources library, as the window designs name them.
#include <string_view>

namespace kanmeri::resources {

inline constexpr std::string_view kPaperCream =
    ":/kanmeri/paper_cream.jpg";  // JPEG, 634 x 395: main window background
inline constexpr std::string_view kSmiley =
    ":/kanmeri/smiley.ico";  // ICO, 32 x 32 and 16 x 16, 16 colours
inline constexpr std::string_view kPaperWhite =
    ":/kanmeri/paper_white.jpg";  // JPEG, 300 x 180: clock window background
inline constexpr std::string_view kFaceComputer =
    ":/kanmeri/face_computer.ico";  // ICO, 32 x 32, 16 colours

}  // namespace kanmeri::resources
