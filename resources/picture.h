#pragma once
// The background pictures built into the program, as the windows draw them.
#include <QImage>
#include <QSize>
#include <string>

namespace kanmeri::resources {

// The opaque picture at resource or file `path`, as 8-bit RGB, cut to at most
// `visible` (the part a window of that size shows from its top-left corner).
// When the build stored it ready to draw (at `path` + ".pixels") the image
// shares the embedded bytes: nothing is decoded or copied, and the rows
// below `visible` are never read. Otherwise the file is decoded. A null
// image when neither can be read.
[[nodiscard]] QImage openPicture(const std::string& path, QSize visible);

}  // namespace kanmeri::resources
