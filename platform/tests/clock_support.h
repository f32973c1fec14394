#pragma once
// Helpers for the running-clock tests on real windows: waiting for a tick,
// reading what a label shows, and checking that an auto-size label fits its
// caption on one line as the label itself draws it.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <functional>
#include <string>

#include "model/controls.h"
#include "model/tests/support/printers.h"
#include "platform/caption_text.h"
#include "platform/label_widget.h"
#include "platform/look.h"
#include "platform/tests/caption_width.h"

namespace kanmeri::platform::testing {

// Runs the event loop until `done` holds; returns the milliseconds it took,
// or -1 when `limitMs` passed first.
inline qint64 waitUntil(const std::function<bool()>& done, int limitMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > limitMs) {
            return -1;
        }
        QTest::qWait(1);
    }
    return clock.elapsed();
}

// The caption a label widget shows, as UTF-8 (exact code points).
inline std::string shown(const QWidget* label) {
    return kanmeri::testing::utf8(toText(label->accessibleName()));
}

// Lowest inked row, in logical pixels, when the caption is drawn into a box of
// the label's inner width but four lines tall, at the widget's pixel ratio.
inline int inkBottom(const QWidget* label, const QString& caption) {
    const int inner = label->width() - 2 * LabelWidget::kBorder;
    const int tall = 4 * QFontMetrics(label->font()).height();
    const qreal ratio = label->devicePixelRatioF();
    QImage image(QSize(inner, tall) * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setPen(Qt::black);
        drawCaption(painter, QRect(0, 0, inner, tall), caption, label->font(), false);
    }
    for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0) {
                return static_cast<int>(y / ratio);
            }
        }
    }
    return -1;
}

// An auto-size bordered label: the widget is the model's rectangle, as wide
// and tall as its caption on one line plus the border, and the caption does
// not wrap when drawn in it.
inline void expectFitsOneLine(const QWidget* widget, const model::Label& label) {
    const QString caption = toQString(label.caption());
    const QFontMetrics metrics(widget->font());
    const int border = 2 * LabelWidget::kBorder;
    EXPECT_EQ(widget->geometry(), toPixels(label.rect()));
    EXPECT_EQ(widget->width(), oneLineWidth(caption, widget->font()) + border);
    EXPECT_EQ(widget->height(), metrics.height() + border);
    // Antialiasing may spill a row below the line; a second line reaches far lower.
    EXPECT_LT(inkBottom(widget, caption), metrics.height() + metrics.ascent() / 2)
        << "caption wraps";
}

}  // namespace kanmeri::platform::testing
