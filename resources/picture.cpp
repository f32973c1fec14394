#include "resources/picture.h"

#include <QResource>
#include <cstdint>
#include <cstring>

#include "resources/pixels_format.h"

namespace kanmeri::resources {

namespace {

QImage baked(const QString& path, QSize visible) {
    const QResource resource(path + QLatin1String(kPixelsSuffix));
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression) {
        return {};
    }
    const auto size = static_cast<std::uint64_t>(resource.size());
    PixelsHeader header{};
    if (size < sizeof header) {
        return {};
    }
    std::memcpy(&header, resource.data(), sizeof header);
    const bool sane = header.magic == kPixelsMagic && header.width > 0 && header.height > 0 &&
                      header.width <= 32767 && header.height <= 32767 &&
                      header.bytesPerLine == pixelsRowBytes(header.width) &&
                      size >= sizeof header + std::uint64_t{header.bytesPerLine} * header.height;
    if (!sane) {
        return {};
    }
    const uchar* rows = resource.data() + sizeof header;
    const QSize shown =
        QSize(static_cast<int>(header.width), static_cast<int>(header.height)).boundedTo(visible);
    QImage image(rows, shown.width(), shown.height(), static_cast<qsizetype>(header.bytesPerLine),
                 QImage::Format_RGB888);
    // The toolkit reads rows as whole words; an embedding that moved them off
    // a word boundary costs a copy rather than misaligned reads.
    if (reinterpret_cast<std::uintptr_t>(rows) % 4 != 0) {
        return image.copy();
    }
    return image;
}

}  // namespace

QImage openPicture(const std::string& path, QSize visible) {
    const QString name = QString::fromStdString(path);
    if (QImage image = baked(name, visible); !image.isNull()) {
        return image;
    }
    QImage image(name);  // null when it cannot be read, and so it stays
    image.convertTo(QImage::Format_RGB888);
    const QSize size = image.size().boundedTo(visible);
    return size == image.size() ? image : image.copy(QRect(QPoint(0, 0), size));
}

}  // namespace kanmeri::resources
