#include "platform/look.h"

#include <QFontDatabase>
#include <QStringList>
#include <cmath>

namespace kanmeri::platform {

int toPixels(float twips) {
    return static_cast<int>(std::lround(twips / model::kTwipsPerPixel));
}

float toTwips(qreal pixels) {
    return static_cast<float>(pixels * model::kTwipsPerPixel);
}

QRect toPixels(const model::TwipsRect& rect) {
    return {toPixels(rect.left), toPixels(rect.top), toPixels(rect.width), toPixels(rect.height)};
}

namespace {

// The first installed Gothic face, or all when none is (so that the toolkit's
// substitute stays proportional). Naming more faces, or missing ones, has the
// toolkit ask fontconfig for substitutes of every style while the first window
// is drawn; a character the face lacks still comes from a substitute.
const QStringList& gothicFamilies() {
    static const QStringList families = [] {
        QStringList wanted{QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                           QStringLiteral("IPAPGothic"), QStringLiteral("VL PGothic"),
                           QStringLiteral("Noto Sans CJK JP")};
        const QStringList installed = QFontDatabase::families();
        for (const QString& family : wanted) {
            if (installed.contains(family, Qt::CaseInsensitive)) {
                return QStringList{family};
            }
        }
        return wanted;
    }();
    return families;
}

// The toolkit's usual light scheme. Labels, frames and option buttons are
// drawn over a background the window fixes (its picture, or their own colour),
// so a dark desktop scheme's light text and shading would vanish on it; text
// boxes and buttons draw their own background and follow the desktop.
const QPalette& lightPalette() {
    static const QPalette palette = [] {
        const QColor window(239, 239, 239);
        const QColor dark = window.darker(150);
        const QColor mid = window.darker(130);
        QPalette p(Qt::black, window, window.lighter(150), dark, mid, Qt::black, Qt::white);
        p.setColor(QPalette::Midlight, mid.lighter(110));
        p.setColor(QPalette::Shadow, dark.darker(135));
        p.setColor(QPalette::Highlight, QColor(48, 140, 198));
        p.setColor(QPalette::HighlightedText, Qt::white);
        return p;
    }();
    return palette;
}

bool overFixedBackground(model::ControlKind kind) {
    using K = model::ControlKind;
    return kind == K::Label || kind == K::Frame || kind == K::OptionButton;
}

}  // namespace

QFont toFont(const model::Font& font) {
    QFont f;
    f.setFamilies(gothicFamilies());
    f.setPixelSize(static_cast<int>(std::lround(font.pixels())));
    f.setBold(font.bold);
    f.setItalic(font.italic);
    return f;
}

void applyStyle(QWidget& widget, const model::Control& control) {
    widget.setFont(toFont(control.design().font));
    const auto back = control.design().back;
    const auto fore = control.design().fore;
    const bool fixed = overFixedBackground(control.kind());
    if (!back && !fore && !fixed) {
        return;  // no palette of its own, so it shares its window's style cache
    }
    QPalette p = fixed ? lightPalette() : widget.palette();
    if (back) {
        p.setColor(QPalette::Window, toColour(*back));
        p.setColor(QPalette::Button, toColour(*back));
        widget.setAutoFillBackground(true);
    }
    if (fore) {
        p.setColor(QPalette::WindowText, toColour(*fore));
    }
    widget.setPalette(p);
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
