#pragma once
// Checks of a label's caption against its box, read from the label's own
// layout: how many lines it takes, and where each character's glyph lands.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <string>

#include "model/controls.h"
#include "platform/label_widget.h"
#include "platform/look.h"

namespace kanmeri::platform::testing {

// The caption takes no more lines than the inner box holds (at least one),
// every glyph's advance lies inside the inner width (a slanted glyph's
// overhang may spill and be clipped) and every glyph's ink lies between the
// label's top and bottom edges.
inline ::testing::AssertionResult captionInsideBox(const QWidget* widget) {
    const auto* label = qobject_cast<const LabelWidget*>(widget);
    if (label == nullptr) {
        return ::testing::AssertionFailure() << "not a label";
    }
    const CaptionLayout& caption = label->caption();
    const QRect inner = label->contentsRect();
    const auto lines = static_cast<int>(caption.lines().size());
    const int room = std::max(1, inner.height() / caption.lineHeight());
    if (lines > room) {
        return ::testing::AssertionFailure() << lines << " lines in room for " << room;
    }
    constexpr qreal kSlack = 0.05;
    for (const QTextLayout* line : caption.lines()) {
        for (const QGlyphRun& run : line->glyphRuns()) {
            const QRawFont font = run.rawFont();
            const QList<quint32> glyphs = run.glyphIndexes();
            const QList<QPointF> advances = font.advancesForGlyphIndexes(glyphs);
            for (qsizetype i = 0; i < glyphs.size(); ++i) {
                const QPointF at = run.positions()[i] + label->captionOrigin();
                const QRectF ink = font.boundingRect(glyphs[i]).translated(at);
                const bool across = at.x() >= inner.left() - kSlack &&
                                    at.x() + advances[i].x() <= inner.right() + 1 + kSlack;
                const bool down = ink.isEmpty() || (ink.top() >= -kSlack &&
                                                    ink.bottom() <= label->height() + kSlack);
                if (!across || !down) {
                    return ::testing::AssertionFailure()
                           << "glyph " << i << " of '" << line->text().toStdString() << "' at ("
                           << at.x() << ", " << at.y() << "), ink " << ink.top() << ".."
                           << ink.bottom() << " in a " << label->width() << " x " << label->height()
                           << " label";
                }
            }
        }
    }
    return ::testing::AssertionSuccess();
}

// An auto-size bordered label: the widget is the model's rectangle, as wide
// as its caption's advances on one line plus the border and as tall as the
// font's pixel size plus the border, and the caption fits it on one line.
inline void expectFitsOneLine(const QWidget* widget, const model::Label& label) {
    const QString caption = toQString(label.caption());
    const int border = 2 * LabelWidget::kBorder;
    const qreal advance = QFontMetricsF(widget->font()).horizontalAdvance(caption);
    EXPECT_EQ(widget->geometry(), toPixels(label.rect()));
    EXPECT_NEAR(widget->width(), advance + border, 1.0);
    EXPECT_EQ(widget->height(), widget->font().pixelSize() + border);
    EXPECT_TRUE(captionInsideBox(widget));
}

}  // namespace kanmeri::platform::testing
