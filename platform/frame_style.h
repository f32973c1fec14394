#pragma once
// The application's style with two changes, made only where that style is
// Fusion (the toolkit's own, which it uses where the desktop names none):
// - The outline of a frame (a group box) is drawn from Fusion's own outline
//   picture, read once as PNG. Fusion reads it by file name on every paint,
//   and a read by file name first loads every image-format plugin installed
//   to ask whether it knows the file: three libraries, before the first frame
//   of any window with a frame. The pixels are Fusion's, to the pixel.
// - A text box's panel is drawn once per look (size, scale, state, palette)
//   and kept, so that repainting the blinking caret copies a strip of it
//   instead of stroking the rounded outline again. The pixels are Fusion's,
//   give or take one level of rounding where its soft corners are blended.
#include <QPixmap>
#include <QProxyStyle>
#include <QSize>
#include <vector>

namespace kanmeri::platform {

class FrameStyle : public QProxyStyle {
    Q_OBJECT

public:
    // Takes `base` over, as QProxyStyle does.
    explicit FrameStyle(QStyle* base);

    // Installs a FrameStyle over the application's style when that is Fusion;
    // otherwise leaves the style as it is. Needs the application object.
    static void installOverFusion();

    // Whether the outline is drawn from the picture read here; false where it
    // could not be read, and Fusion draws it as it always does.
    [[nodiscard]] bool drawsOutline() const { return !outline_.isNull(); }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;

private:
    void drawGroupOutline(const QStyleOption* option, QPainter* painter,
                          const QWidget* widget) const;
    void drawTextPanel(const QStyleOption* option, QPainter* painter, const QWidget* widget) const;

    // What a text box's panel looks like depends on, and its pixels.
    struct PanelLook {
        QSize size;
        qreal ratio = 1;
        unsigned state = 0;
        int lineWidth = 0;
        Qt::LayoutDirection direction = Qt::LeftToRight;
        qint64 palette = 0;
        friend bool operator==(const PanelLook&, const PanelLook&) = default;
    };
    struct Panel {
        PanelLook look;
        QPixmap pixels;
    };

    QPixmap outline_;
    // The panels drawn so far, oldest first; a handful at most.
    mutable std::vector<Panel> panels_;  // null where the picture cannot be read: Fusion draws then
};

}  // namespace kanmeri::platform
