#include "platform/caption_text.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>
#include <cmath>

namespace kanmeri::platform {

namespace {

// Wide enough for any caption on one line.
constexpr qreal kOneLine = 1 << 20;

// Lays the text out in lines of at most `width` pixels; returns the height.
qreal layOutLines(QTextLayout& layout, qreal width, bool centred) {
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setAlignment(centred ? Qt::AlignHCenter : Qt::AlignLeft);
    // Trailing blanks count, so a padded caption keeps its width.
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();
    return y;
}

// Draws the laid-out lines from `top`, clipped to `box`.
void drawClipped(QPainter& painter, const QTextLayout& layout, const QRect& box, qreal top) {
    painter.save();
    painter.setClipRect(box, Qt::IntersectClip);
    layout.draw(&painter, QPointF(box.left(), top));
    painter.restore();
}

void draw(QPainter& painter, const QRect& box, const QString& text, const QFont& font, bool centred,
          bool middle) {
    QTextLayout layout(text, font, painter.device());
    const qreal height = layOutLines(layout, box.width(), centred);
    drawClipped(painter, layout, box,
                middle ? box.top() + (box.height() - height) / 2.0 : box.top());
}

}  // namespace

void drawCaption(QPainter& painter, const QRect& box, const QString& text, const QFont& font,
                 bool centred) {
    draw(painter, box, text, font, centred, false);
}

void drawCaptionCentred(QPainter& painter, const QRect& box, const QString& text,
                        const QFont& font) {
    draw(painter, box, text, font, true, true);
}

std::optional<int> CaptionLayout::setText(const QString& text, const QFont& font) {
    if (layout_ != nullptr && text == text_ && font == font_) {
        return std::nullopt;
    }
    const std::optional<int> from = font == font_ ? unchangedUpTo(text) : std::nullopt;
    text_ = text;
    font_ = font;
    layout_ = std::make_unique<QTextLayout>(text_, font_, device_);
    // Otherwise the shaped glyphs are dropped after each layout, and every
    // draw shapes the text again.
    layout_->setCacheEnabled(true);
    width_ = -1;
    return from;
}

std::optional<int> CaptionLayout::unchangedUpTo(const QString& text) const {
    if (layout_ == nullptr || width_ < 0 || centred_ || layout_->lineCount() != 1) {
        return std::nullopt;
    }
    const auto common = std::mismatch(text_.begin(), text_.end(), text.begin(), text.end());
    // Shaping may join a character with the one or two before it (a
    // ligature), and a changed glyph may reach to the left of where it
    // starts (a slanted or overhanging glyph): start two characters early,
    // less half an em.
    const auto first = static_cast<int>(std::max<qsizetype>(0, common.first - text_.begin() - 2));
    if (first == 0) {
        return std::nullopt;
    }
    const qreal x = layout_->lineAt(0).cursorToX(first) - font_.pixelSize() / 2.0;
    return x > 0 ? std::optional<int>(static_cast<int>(std::floor(x))) : std::nullopt;
}

QSize CaptionLayout::oneLineSize() {
    ensureLayout();
    if (width_ != kOneLine) {
        layOut(kOneLine, false);
    }
    // The width the line needs so as not to wrap: its blanks and the overhang
    // of a slanted last glyph included, rounded up to whole pixels.
    const qreal needed = layout_->lineCount() > 0 ? layout_->lineAt(0).naturalTextWidth() : 0.0;
    return {static_cast<int>(std::ceil(needed)), QFontMetrics(font_, device_).height()};
}

void CaptionLayout::draw(QPainter& painter, const QRect& box, bool centred) {
    ensureLayout();
    // A left-aligned line laid out wider than the box is placed exactly as it
    // would be in the box, as long as it fits.
    const bool reuse = (width_ == box.width() && centred_ == centred) ||
                       (width_ == kOneLine && !centred && fitsOneLine(box.width()));
    if (!reuse) {
        layOut(box.width(), centred);
    }
    drawClipped(painter, *layout_, box, box.top());
}

void CaptionLayout::ensureLayout() {
    if (layout_ == nullptr) {
        setText(text_, font_);
    }
}

void CaptionLayout::layOut(qreal width, bool centred) {
    layOutLines(*layout_, width, centred);
    width_ = width;
    centred_ = centred;
}

bool CaptionLayout::fitsOneLine(int width) const {
    return layout_->lineCount() == 1 && layout_->lineAt(0).naturalTextWidth() <= width;
}

}  // namespace kanmeri::platform
