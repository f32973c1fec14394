// Turns a picture file into the program's ready-to-draw form:
//   kanmeri_bake_pixels <picture> <output> [<width> <height>]
// The samples are those the toolkit's own decoder produces, so the window
// looks exactly as if it had decoded the file itself. With a width and a
// height only the part from the top-left corner that a window of that client
// size shows is kept: the rest would only take room in the program's memory.
#include <QFile>
#include <QImage>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "resources/pixels_format.h"

namespace res = kanmeri::resources;

int main(int argc, char** argv) {
    if (argc != 3 && argc != 5) {
        std::fprintf(stderr, "usage: %s <picture> <output> [<width> <height>]\n", argv[0]);
        return 2;
    }
    QImage image(QString::fromLocal8Bit(argv[1]));
    if (image.isNull()) {
        std::fprintf(stderr, "%s: cannot read the picture\n", argv[1]);
        return 1;
    }
    image.convertTo(QImage::Format_RGB888);
    if (argc == 5) {
        const QSize shown(std::atoi(argv[3]), std::atoi(argv[4]));
        if (shown.isEmpty()) {
            std::fprintf(stderr, "%s x %s: not a size\n", argv[3], argv[4]);
            return 2;
        }
        image = image.copy(QRect(QPoint(0, 0), image.size().boundedTo(shown)));
    }
    const auto width = static_cast<std::uint32_t>(image.width());
    const auto height = static_cast<std::uint32_t>(image.height());
    const res::PixelsHeader header{
        res::kPixelsMagic, width, height, res::pixelsRowBytes(width), {}};

    QByteArray bytes(sizeof header, '\0');
    std::memcpy(bytes.data(), &header, sizeof header);
    for (int y = 0; y < image.height(); ++y) {
        QByteArray row(static_cast<qsizetype>(header.bytesPerLine), '\0');
        std::memcpy(row.data(), image.constScanLine(y), 3 * static_cast<std::size_t>(width));
        bytes += row;
    }
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "%s: cannot write\n", argv[2]);
        return 1;
    }
    return 0;
}
