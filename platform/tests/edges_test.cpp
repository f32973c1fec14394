// Borders and outlines: which pixels each edge colour takes, at 1x and 2x.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <ostream>

#include "platform/edges.h"

namespace kanmeri::platform {
namespace {

const QColor kTopLeft(0x80, 0x80, 0x80);
const QColor kBottomRight(0xFF, 0xFF, 0xFF);
const QColor kUntouched(0x12, 0x34, 0x56);

// Logical pixels of a 6 x 4 box at (1, 1) on an 8 x 6 canvas.
struct EdgeRow {
    const char* name;
    QPoint at;
    QColor expected;
};
void PrintTo(const EdgeRow& row, std::ostream* os) {
    *os << row.name;
}

QImage drawn(qreal ratio) {
    QImage image(QSize(8, 6) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(kUntouched);
    QPainter painter(&image);
    drawEdges(painter, QRect(1, 1, 6, 4), kTopLeft, kBottomRight);
    return image;
}

class EdgesTest : public ::testing::TestWithParam<EdgeRow> {};

TEST_P(EdgesTest, drawEdges_colourOfPixel) {
    for (const qreal ratio : {1.0, 2.0}) {
        const QImage image = drawn(ratio);
        const QPoint device = GetParam().at * ratio;
        // Every device pixel of the logical pixel, so a 2x edge is 2 px wide.
        for (int dy = 0; dy < ratio; ++dy) {
            for (int dx = 0; dx < ratio; ++dx) {
                EXPECT_EQ(image.pixelColor(device + QPoint(dx, dy)), GetParam().expected)
                    << "at ratio " << ratio;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Box, EdgesTest,
                         ::testing::Values(EdgeRow{"top_left_corner", {1, 1}, kTopLeft},
                                           EdgeRow{"top_edge", {3, 1}, kTopLeft},
                                           EdgeRow{"left_edge", {1, 3}, kTopLeft},
                                           EdgeRow{"top_right_corner", {6, 1}, kBottomRight},
                                           EdgeRow{"bottom_left_corner", {1, 4}, kBottomRight},
                                           EdgeRow{"bottom_edge", {3, 4}, kBottomRight},
                                           EdgeRow{"right_edge", {6, 2}, kBottomRight},
                                           EdgeRow{"inside", {3, 2}, kUntouched},
                                           EdgeRow{"outside_left", {0, 2}, kUntouched},
                                           EdgeRow{"outside_below", {3, 5}, kUntouched},
                                           EdgeRow{"outside_right", {7, 3}, kUntouched}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EdgesEmptyTest, drawEdges_emptyBox_paintsNothing) {
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(kUntouched);
    QPainter painter(&image);
    drawEdges(painter, QRect(1, 1, 0, 3), kTopLeft, kBottomRight);
    painter.end();
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(image.pixelColor(x, y), kUntouched) << x << "," << y;
        }
    }
}

}  // namespace
}  // namespace kanmeri::platform
