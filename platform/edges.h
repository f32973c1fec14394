#pragma once
// One-pixel edges of a rectangle, as the borders and outlines of the
// controls are drawn.
#include <QColor>
#include <QPainter>
#include <QRect>

namespace kanmeri::platform {

// The pixels along the edges of `box` (its own outermost rows and columns):
// the top and left edges in `topLeft`, then the bottom and right edges in
// `bottomRight`, which therefore win the bottom-left and top-right corners.
// Filled as plain rectangles, which the raster engine does far faster than
// lines; the result is the same at any device pixel ratio.
void drawEdges(QPainter& painter, const QRect& box, const QColor& topLeft,
               const QColor& bottomRight);

}  // namespace kanmeri::platform
