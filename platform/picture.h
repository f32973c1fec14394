#pragma once
// Background pictures for the window views.
#include <QImage>
#include <string>

namespace kanmeri::platform {

// The opaque picture at resource or file `path`, as 8-bit RGB. When the
// build stored it ready to draw (at `path` + ".pixels") the image shares the
// embedded bytes: nothing is decoded or copied. Otherwise the file is decoded.
// A null image when neither can be read.
[[nodiscard]] QImage openPicture(const std::string& path);

}  // namespace kanmeri::platform
