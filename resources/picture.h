#pragma once
// The background pictures built into the program, as the windows draw them.
#include <QImage>
#include <QSize>
#include <string>

namespace kanmeri::resources {

// The opaque picture at resource or file `path` as 8-bit RGB, cut to the part
// a window of `visible` size shows from its top-left corner. Baked by the
// build (at `path` + ".pixels"), it shares the embedded bytes; otherwise the
// file is decoded. Null when neither can be read.
[[nodiscard]] QImage openPicture(const std::string& path, QSize visible);

}  // namespace kanmeri::resources
