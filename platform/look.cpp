#include "platform/look.h"

#include <QStringList>
#include <cmath>

namespace kanmeri::platform {

int toPixels(float twips) {
    return static_cast<int>(std::lround(twips / model::kTwipsPerPixel));
}

float toTwips(int pixels) {
    return static_cast<float>(pixels) * model::kTwipsPerPixel;
}

QRect toPixels(const model::TwipsRect& rect) {
    return {toPixels(rect.left), toPixels(rect.top), toPixels(rect.width), toPixels(rect.height)};
}

QFont toFont(const model::Font& font) {
    QFont f;
    // A single family name would fall back to a fixed-width face when the
    // first choice is missing; the list keeps the fallback proportional.
    f.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                   QStringLiteral("IPAPGothic"), QStringLiteral("VL PGothic"),
                   QStringLiteral("Noto Sans CJK JP")});
    f.setPixelSize(static_cast<int>(std::lround(font.pixels())));
    f.setBold(font.bold);
    f.setItalic(font.italic);
    return f;
}

QColor toColour(model::Rgb rgb) {
    return QColor::fromRgb(static_cast<QRgb>(0xFF000000U | (rgb & 0xFFFFFFU)));
}

QString toQString(model::TextView text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

model::Text toText(const QString& text) {
    return text.toStdU16String();
}

}  // namespace kanmeri::platform
