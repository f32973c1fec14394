#include "platform/picture.h"

#include <QResource>
#include <cstdint>
#include <cstring>

#include "resources/pixels_format.h"

namespace kanmeri::platform {

namespace {

namespace res = kanmeri::resources;

QImage baked(const QString& path) {
    const QResource resource(path + QLatin1String(res::kPixelsSuffix));
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression) {
        return {};
    }
    const auto size = static_cast<std::uint64_t>(resource.size());
    res::PixelsHeader header{};
    if (size < sizeof header) {
        return {};
    }
    std::memcpy(&header, resource.data(), sizeof header);
    const bool sane = header.magic == res::kPixelsMagic && header.width > 0 && header.height > 0 &&
                      header.width <= 32767 && header.height <= 32767 &&
                      header.bytesPerLine == res::pixelsRowBytes(header.width) &&
                      size >= sizeof header + std::uint64_t{header.bytesPerLine} * header.height;
    if (!sane) {
        return {};
    }
    const uchar* rows = resource.data() + sizeof header;
    QImage image(rows, static_cast<int>(header.width), static_cast<int>(header.height),
                 static_cast<qsizetype>(header.bytesPerLine), QImage::Format_RGB888);
    // The toolkit reads rows as whole words; an embedding that moved them off
    // a word boundary costs a copy rather than misaligned reads.
    if (reinterpret_cast<std::uintptr_t>(rows) % 4 != 0) {
        return image.copy();
    }
    return image;
}

}  // namespace

QImage openPicture(const std::string& path) {
    const QString name = QString::fromStdString(path);
    if (QImage image = baked(name); !image.isNull()) {
        return image;
    }
    QImage image(name);
    image.convertTo(QImage::Format_RGB888);
    return image;
}

}  // namespace kanmeri::platform
