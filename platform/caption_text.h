#pragma once
// Captions in the fixed layout's own metrics:
// - lines advance by the font's pixel size, each baseline at the foot of its
//   em (ideographs fill the em above it; descenders hang below the line);
// - a line breaks between any two characters where the summed advance widths
//   would pass the box (Japanese has no word spaces); a slanted glyph's
//   overhang does not count;
// - leading and trailing blanks take their place.
// A caption is shaped when its text or font changes, broken into lines when
// its width changes, and drawn as often as needed.
#include <QFont>
#include <QList>
#include <QPointF>
#include <QString>
#include <QTextLayout>
#include <memory>
#include <vector>

#include "model/text_measure.h"

class QPainter;

namespace kanmeri::platform {

class CaptionLayout {
public:
    void setText(const QString& text, const QFont& font);
    // Whether it is `text` in `font`, shaped.
    [[nodiscard]] bool holds(const QString& text, const QFont& font) const {
        return shaped_ && text == whole_.text() && font == font_;
    }

    // The sum of the advance widths of the whole caption on one line.
    [[nodiscard]] qreal advanceWidth() const { return ends_.back(); }
    // The least whole number of pixels on which the caption stays on one line.
    [[nodiscard]] int oneLineWidth() const;
    // The height of one line: the font's pixel size.
    [[nodiscard]] int lineHeight() const { return font_.pixelSize(); }

    // Breaks the caption into lines of at most `width` pixels of advances (at
    // least one character each), left-aligned or centred; the number of lines.
    int layOut(qreal width, bool centred);

    // Draws the lines laid out, the first line's top-left at `topLeft`.
    void draw(QPainter& painter, QPointF topLeft) const;

private:
    [[nodiscard]] int lineEnd(int start, qreal width) const;

    QFont font_;
    QTextLayout whole_;       // shaped on one line; drawn as it is when it fits
    QList<qreal> ends_{0.0};  // advances summed up to each character position
    std::vector<std::unique_ptr<QTextLayout>> wrapped_;  // the lines when it does not fit
    qreal width_ = -1;                                   // the width laid out for; -1 for none yet
    bool centred_ = false;
    bool shaped_ = false;
};

// The model's text measure: a caption laid out as above, in the design font
// as the windows draw it (toFont).
class CaptionMeasure : public model::TextMeasure {
public:
    // Keeps the caption it measured last, shaped, for layoutFor().
    [[nodiscard]] model::TextExtent oneLine(model::TextView text,
                                            const model::Font& font) const override;
    // The layout that measured `text` in `font` last, shaped, so that a running
    // label's new caption is shaped once; else an empty layout to shape.
    [[nodiscard]] std::unique_ptr<CaptionLayout> layoutFor(const QString& text,
                                                           const QFont& font) const;

private:
    mutable std::unique_ptr<CaptionLayout> last_;
};

}  // namespace kanmeri::platform
