#pragma once
// Checks of a label's caption against its box: how many lines it takes, and
// where its ink lands when it is drawn as the label draws it.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <climits>
#include <limits>

#include "model/controls.h"
#include "platform/caption_text.h"
#include "platform/label_widget.h"
#include "platform/look.h"

namespace kanmeri::platform::testing {

// A caption drawn alone, in black on a transparent image that covers `area`
// (logical pixels, in the coordinates `topLeft` is given in), at `scale`
// device pixels a logical pixel, as a screen of that scale rasters it.
class CaptionInk {
public:
    static constexpr qreal kAll = std::numeric_limits<qreal>::max();

    CaptionInk(const CaptionLayout& caption, QPointF topLeft, QRectF area, qreal scale = 1.0)
        : area_(area),
          scale_(scale),
          image_((area.size() * scale).toSize(), QImage::Format_ARGB32_Premultiplied) {
        image_.setDevicePixelRatio(scale);
        image_.fill(Qt::transparent);
        QPainter painter(&image_);
        painter.translate(-area.topLeft());
        painter.setPen(Qt::black);
        caption.draw(painter, topLeft);
    }

    // The bounding box of the inked pixels whose centres lie on rows from
    // `top` to before `bottom`; null when none is inked.
    [[nodiscard]] QRectF box(qreal top = -kAll, qreal bottom = kAll) const {
        int left = INT_MAX;
        int right = -1;
        int first = -1;
        int last = -1;
        for (int y = 0; y < image_.height(); ++y) {
            const qreal centre = area_.top() + (y + 0.5) / scale_;
            if (centre < top || centre >= bottom) {
                continue;
            }
            const auto* row = reinterpret_cast<const QRgb*>(image_.constScanLine(y));
            for (int x = 0; x < image_.width(); ++x) {
                if (qAlpha(row[x]) > kFringe) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    first = first < 0 ? y : first;
                    last = y;
                }
            }
        }
        if (last < 0) {
            return {};
        }
        return {area_.left() + left / scale_, area_.top() + first / scale_,
                (right + 1 - left) / scale_, (last + 1 - first) / scale_};
    }

private:
    // Smoothing leaves a faint fringe past a glyph's edge; a pixel less than
    // an eighth covered is no ink.
    static constexpr int kFringe = 255 / 8;

    QRectF area_;
    qreal scale_;
    QImage image_;
};

// The caption takes no more lines than the inner box holds (at least one),
// and on one line its advances fit the inner width (a slanted glyph's
// overhang may spill to the right and be clipped); drawn as the label draws
// it, no ink begins left of the inner box and all of it lies between the
// label's top and bottom edges.
inline ::testing::AssertionResult captionInsideBox(const QWidget* widget,
                                                   const model::Label& model) {
    const auto* label = qobject_cast<const LabelWidget*>(widget);
    if (label == nullptr) {
        return ::testing::AssertionFailure() << "not a label";
    }
    const QString text = toQString(model.caption());
    const QRect inner = label->contentsRect();
    CaptionLayout own;
    own.setText(text, label->font());
    const int lines =
        own.layOut(inner.width(), model.design().alignment == model::Alignment::Centre);
    const int room = std::max(1, inner.height() / own.lineHeight());
    if (lines > room) {
        return ::testing::AssertionFailure() << lines << " lines in room for " << room;
    }
    constexpr qreal kSlack = 0.05;
    if (lines == 1 && text.size() > 1 && own.advanceWidth() > inner.width() + kSlack) {
        return ::testing::AssertionFailure() << "advances of " << own.advanceWidth()
                                             << " on one line " << inner.width() << " wide";
    }
    // Room around the label for any ink that strays out of it.
    const int margin = 2 * own.lineHeight();
    const CaptionInk ink(label->caption(), label->captionOrigin(),
                         QRectF(label->rect()).adjusted(-margin, -margin, margin, margin),
                         label->devicePixelRatioF());
    const QRectF box = ink.box();
    if (box.isNull()) {
        if (!text.trimmed().isEmpty()) {
            return ::testing::AssertionFailure() << "no ink of '" << text.toStdString() << "'";
        }
        return ::testing::AssertionSuccess();  // blanks only
    }
    // An edge may fall inside a device pixel, which then holds ink from both
    // sides: ink lies beyond an edge only where a whole inked pixel does.
    const qreal pixel = 1.0 / label->devicePixelRatioF();
    if (box.left() <= inner.left() - pixel + kSlack || box.top() <= -pixel + kSlack ||
        box.bottom() >= label->height() + pixel - kSlack) {
        return ::testing::AssertionFailure()
               << "ink " << box.left() << ".." << box.right() << " x " << box.top() << ".."
               << box.bottom() << " of '" << text.toStdString() << "' in a " << label->width()
               << " x " << label->height() << " label, inner box from " << inner.left();
    }
    return ::testing::AssertionSuccess();
}

// An auto-size bordered label: the widget is the model's rectangle, as wide
// as its caption's advances on one line plus the border and as tall as the
// font's pixel size plus the border, and the caption fits it on one line.
inline void expectFitsOneLine(const QWidget* widget, const model::Label& label) {
    const QString caption = toQString(label.caption());
    const int border = 2 * model::Label::kBorderPixels;
    const qreal advance = QFontMetricsF(widget->font()).horizontalAdvance(caption);
    EXPECT_EQ(widget->geometry(), toPixels(label.rect()));
    EXPECT_NEAR(widget->width(), advance + border, 1.0);
    EXPECT_EQ(widget->height(), widget->font().pixelSize() + border);
    EXPECT_TRUE(captionInsideBox(widget, label));
}

}  // namespace kanmeri::platform::testing
