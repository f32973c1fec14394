// Turns a picture file into the program's ready-to-draw form:
//   kanmeri_bake_pixels <picture> <output>
// The samples are those the toolkit's own decoder produces, so the window
// looks exactly as if it had decoded the file itself.
#include <QFile>
#include <QImage>
#include <cstdio>
#include <cstring>

#include "resources/pixels_format.h"

namespace res = kanmeri::resources;

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <picture> <output>\n", argv[0]);
        return 2;
    }
    QImage image(QString::fromLocal8Bit(argv[1]));
    if (image.isNull()) {
        std::fprintf(stderr, "%s: cannot read the picture\n", argv[1]);
        return 1;
    }
    image.convertTo(QImage::Format_RGB888);
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
