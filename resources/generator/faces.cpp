#include "faces.h"

#include <QPainter>
#include <QPainterPath>

namespace kanmeri::generator {
namespace {

QImage blank(int side) {
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

// The smiley is laid out on a 32-unit grid and scaled to the requested side.
void paintSmiley(QPainter& painter, bool smooth) {
    const QColor ink(0, 0, 0);
    QRadialGradient shine(QPointF(12, 10), 22);
    shine.setColorAt(0, smooth ? QColor(255, 250, 150) : QColor(255, 255, 0));
    shine.setColorAt(1, smooth ? QColor(250, 210, 20) : QColor(255, 255, 0));
    painter.setPen(QPen(ink, 1.6));
    painter.setBrush(shine);
    painter.drawEllipse(QRectF(1.5, 1.5, 29, 29));

    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawEllipse(QRectF(9.5, 8.5, 4, 6));
    painter.drawEllipse(QRectF(18.5, 8.5, 4, 6));

    QPainterPath smile(QPointF(8, 18));
    smile.cubicTo(QPointF(10, 26), QPointF(22, 26), QPointF(24, 18));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ink, 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(smile);
}

void paintComputer(QPainter& painter) {
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(192, 192, 192));
    painter.drawRect(QRectF(16.5, 7.5, 14, 12));  // monitor case
    painter.setBrush(QColor(0, 0, 128));
    painter.drawRect(QRectF(18.5, 9.5, 10, 7));  // screen
    painter.setPen(QPen(QColor(0, 255, 255), 1));
    painter.drawLine(QPointF(20, 11.5), QPointF(25, 11.5));  // text on the screen
    painter.drawLine(QPointF(20, 13.5), QPointF(27, 13.5));
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(128, 128, 128));
    painter.drawRect(QRectF(21.5, 19.5, 4, 3));  // stand
    painter.setBrush(QColor(192, 192, 192));
    painter.drawRect(QRectF(15.5, 23.5, 16, 5));  // keyboard
    painter.setPen(QPen(QColor(128, 128, 128), 1));
    for (int x = 17; x <= 29; x += 2) painter.drawPoint(QPointF(x + 0.5, 25.5));
}

void paintFace(QPainter& painter) {
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(255, 255, 0));
    painter.drawEllipse(QRectF(0.5, 8.5, 15, 16));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawRect(QRectF(4, 13, 2, 3));  // eyes look towards the computer
    painter.drawRect(QRectF(9, 13, 2, 3));
    painter.setPen(QPen(QColor(255, 0, 0), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(4.5, 15.5, 7, 5), 200 * 16, 140 * 16);
}

// At 16 pixels a scaled outline loses the eyes' shape, so the small icon is
// drawn pixel by pixel.
constexpr const char* kSmiley16[16] = {
    ".....KKKKKK.....", "...KKYYYYYYKK...", "..KYYYYYYYYYYK..", ".KYYYYYYYYYYYYK.",
    ".KYYYKYYYYKYYYK.", "KYYYYKYYYYKYYYYK", "KYYYYKYYYYKYYYYK", "KYYYYYYYYYYYYYYK",
    "KYYYYYYYYYYYYYYK", "KYYKYYYYYYYYKYYK", "KYYYKYYYYYYKYYYK", ".KYYYKKKKKKYYYK.",
    ".KYYYYYYYYYYYYK.", "..KYYYYYYYYYYK..", "...KKYYYYYYKK...", ".....KKKKKK.....",
};

}  // namespace

QImage drawSmallSmiley() {
    QImage image = blank(16);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const char cell = kSmiley16[y][x];
            if (cell != '.')
                image.setPixel(x, y, cell == 'K' ? 0xFF000000U : 0xFFFFFF00U);
        }
    }
    return image;
}

QImage drawSmiley(int side, bool smooth) {
    QImage image = blank(side);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, smooth);
    painter.scale(side / 32.0, side / 32.0);
    paintSmiley(painter, smooth);
    painter.end();
    return image;
}

QImage drawFaceBesideComputer() {
    QImage image = blank(32);
    QPainter painter(&image);
    paintFace(painter);
    paintComputer(painter);
    painter.end();
    return image;
}

}  // namespace kanmeri::generator
