#pragma once
// Captions drawn the way the fixed layout expects: wrapped onto further lines
// when wider than their box, Japanese text breaking between any two
// characters, and clipped to the box.
#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>
#include <QTextLayout>
#include <memory>
#include <optional>

class QPaintDevice;
class QPainter;

namespace kanmeri::platform {

// Draws `text` inside `box` from its top edge; each line is left-aligned or
// horizontally centred. Leading and trailing blanks take their place.
void drawCaption(QPainter& painter, const QRect& box, const QString& text, const QFont& font,
                 bool centred);

// Vertically centres the wrapped block in `box` (button faces).
void drawCaptionCentred(QPainter& painter, const QRect& box, const QString& text,
                        const QFont& font);

// One caption, laid out once and drawn as often as needed: the text is
// shaped again only when the text or the font changes, and laid out again
// only when it must wrap differently. Draws exactly as drawCaption does.
class CaptionLayout {
public:
    // `device` gives the resolution the caption is laid out for; it must
    // outlive this object.
    explicit CaptionLayout(QPaintDevice* device) : device_(device) {}

    // Replaces the text and font. When the old and the new text are both
    // drawn on one left-aligned line in the same box and begin alike, returns
    // the distance from the box's left edge to where their drawings may
    // first differ: left of it, the new drawing is the old one, pixel for
    // pixel. Otherwise (or when nothing changed) nothing.
    std::optional<int> setText(const QString& text, const QFont& font);

    // Width and height of the text on one line: the least whole-pixel width
    // in which it does not wrap (blanks at either end and the overhang of a
    // slanted last glyph included) and the font's line height.
    [[nodiscard]] QSize oneLineSize();

    // As drawCaption for the current text and font.
    void draw(QPainter& painter, const QRect& box, bool centred);

private:
    void ensureLayout();  // for a caption never set: the empty text
    void layOut(qreal width, bool centred);
    [[nodiscard]] std::optional<int> unchangedUpTo(const QString& text) const;
    [[nodiscard]] bool fitsOneLine(int width) const;

    QPaintDevice* device_;
    QString text_;
    QFont font_;
    std::unique_ptr<QTextLayout> layout_;
    qreal width_ = -1;  // the width laid out for; -1 for none yet
    bool centred_ = false;
};

}  // namespace kanmeri::platform
