#include "platform/caption_text.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>
#include <QTextOption>

namespace kanmeri::platform {

namespace {

// Lays the text out in lines of at most `width` pixels; returns the height.
qreal layOut(QTextLayout& layout, int width, bool centred) {
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

void draw(QPainter& painter, const QRect& box, const QString& text, const QFont& font, bool centred,
          bool middle) {
    QTextLayout layout(text, font, painter.device());
    const qreal height = layOut(layout, box.width(), centred);
    const qreal top = middle ? box.top() + (box.height() - height) / 2.0 : box.top();
    painter.save();
    painter.setClipRect(box, Qt::IntersectClip);
    layout.draw(&painter, QPointF(box.left(), top));
    painter.restore();
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

QSize oneLineSize(const QString& text, const QFont& font) {
    const QFontMetrics metrics(font);
    return {metrics.horizontalAdvance(text), metrics.height()};
}

}  // namespace kanmeri::platform
