#pragma once
// Resource paths of the pictures and icons built into the program by the
// kanmeri_resources library. Any target that links it can open them with
// the toolkit's image and icon loaders.
#include <string_view>

namespace kanmeri::resources {

extern const std::string_view kPaperCream;    // JPEG, 634 x 395: main window background
extern const std::string_view kSmiley;        // ICO, 32 x 32 and 16 x 16, 16 colours
extern const std::string_view kPaperWhite;    // JPEG, 300 x 180: clock window background
extern const std::string_view kFaceComputer;  // ICO, 32 x 32, 16 colours

}  // namespace kanmeri::resources
