#include "ico_file.h"

#include <QBuffer>
#include <QDataStream>
#include <array>
#include <cstdint>
#include <limits>
#include <stdexcept>

namespace kanmeri::generator {
namespace {

constexpr std::array<QRgb, 16> kPalette = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};
constexpr int kHeaderBytes = 6;
constexpr int kEntryBytes = 16;
constexpr int kInfoHeaderBytes = 40;

int nearestIndex(QRgb colour) {
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < static_cast<int>(kPalette.size()); ++i) {
        const int dr = qRed(colour) - qRed(kPalette[i]);
        const int dg = qGreen(colour) - qGreen(kPalette[i]);
        const int db = qBlue(colour) - qBlue(kPalette[i]);
        const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

int paddedRowBytes(int bitsPerRow) {
    return (bitsPerRow + 31) / 32 * 4;
}

int bitmapBytes(int side) {
    return kInfoHeaderBytes + 16 * 4 + side * paddedRowBytes(side * 4) +
           side * paddedRowBytes(side);
}

void writeBitmap(QDataStream& out, const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int side = image.width();
    out << quint32(kInfoHeaderBytes) << qint32(side) << qint32(2 * side) << quint16(1) << quint16(4)
        << quint32(0) << quint32(bitmapBytes(side) - kInfoHeaderBytes - 64) << qint32(0)
        << qint32(0) << quint32(16) << quint32(0);
    for (QRgb c : kPalette)
        out << quint8(qBlue(c)) << quint8(qGreen(c)) << quint8(qRed(c)) << quint8(0);

    const int colourRow = paddedRowBytes(side * 4);
    const int maskRow = paddedRowBytes(side);
    QByteArray colours(side * colourRow, '\0');
    QByteArray mask(side * maskRow, '\0');
    for (int y = 0; y < side; ++y) {
        const int row = side - 1 - y;  // bitmaps are stored bottom-up
        for (int x = 0; x < side; ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) < 128) {
                mask[row * maskRow + x / 8] = char(mask[row * maskRow + x / 8] | (0x80 >> (x % 8)));
                continue;
            }
            const int index = nearestIndex(pixel);
            const int at = row * colourRow + x / 2;
            colours[at] = char(colours[at] | (x % 2 == 0 ? index << 4 : index));
        }
    }
    out.writeRawData(colours.constData(), int(colours.size()));
    out.writeRawData(mask.constData(), int(mask.size()));
}

}  // namespace

QByteArray encodeSixteenColourIcon(const std::vector<QImage>& images) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QDataStream out(&buffer);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(images.size());

    quint32 offset = kHeaderBytes + kEntryBytes * quint32(images.size());
    for (const QImage& image : images) {
        const int side = image.width();
        if (side != image.height() || side < 1 || side > 256)
            throw std::invalid_argument("icon images must be square, 1 to 256 pixels");
        // A side of 256 is written as 0 in the one-byte size fields.
        out << quint8(side % 256) << quint8(side % 256) << quint8(16) << quint8(0) << quint16(1)
            << quint16(4) << quint32(bitmapBytes(side)) << offset;
        offset += quint32(bitmapBytes(side));
    }
    for (const QImage& image : images) writeBitmap(out, image);
    return bytes;
}

QImage quantiseToPalette(const QImage& source) {
    QImage image = source.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            image.setPixel(x, y,
                           qAlpha(pixel) < 128 ? qRgba(0, 0, 0, 0)
                                               : (kPalette[nearestIndex(pixel)] | 0xFF000000U));
        }
    }
    return image;
}

}  // namespace kanmeri::generator
