#pragma once
// Captions drawn the way the fixed layout expects: wrapped onto further lines
// when wider than their box, Japanese text breaking between any two
// characters, and clipped to the box.
#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;

namespace kanmeri::platform {

// Draws `text` inside `box` from its top edge; each line is left-aligned or
// horizontally centred. Leading and trailing blanks take their place.
void drawCaption(QPainter& painter, const QRect& box, const QString& text, const QFont& font,
                 bool centred);

// Vertically centres the wrapped block in `box` (button faces).
void drawCaptionCentred(QPainter& painter, const QRect& box, const QString& text,
                        const QFont& font);

// Width and height of `text` on one line, blanks at either end included.
[[nodiscard]] QSize oneLineSize(const QString& text, const QFont& font);

}  // namespace kanmeri::platform
