#include "resources/pictures.h"

namespace kanmeri::resources {

// Must match the prefix and file names given to qt_add_resources.
const std::string_view kPaperCream = ":/kanmeri/paper_cream.jpg";
const std::string_view kSmiley = ":/kanmeri/smiley.ico";
const std::string_view kPaperWhite = ":/kanmeri/paper_white.jpg";
const std::string_view kFaceComputer = ":/kanmeri/face_computer.ico";

}  // namespace kanmeri::resources
