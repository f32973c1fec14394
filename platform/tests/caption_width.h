#pragma once
// The width an auto-size label's caption takes on one line, worked out from
// the font's metrics rather than from the layout the label itself uses.
#include <QFontMetricsF>
#include <QString>
#include <algorithm>
#include <cmath>

namespace kanmeri::platform::testing {

// Whole pixels for the advances of `caption`, blanks included, plus the part
// of a slanted last glyph that reaches beyond its advance.
inline int oneLineWidth(const QString& caption, const QFont& font) {
    const QFontMetricsF metrics(font);
    const qreal overhang =
        caption.isEmpty() ? 0.0 : std::max(0.0, -metrics.rightBearing(caption.back()));
    return static_cast<int>(std::ceil(metrics.horizontalAdvance(caption) + overhang));
}

}  // namespace kanmeri::platform::testing
