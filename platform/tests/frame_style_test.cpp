// The frame outline drawn without asking the image plugins is Fusion's own.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <ostream>

#include "platform/frame_style.h"
#include "platform/look.h"

namespace kanmeri::platform {
namespace {

struct FrameRow {
    const char* name;
    const char16_t* title;
    QSize size;
};
void PrintTo(const FrameRow& row, std::ostream* os) {
    *os << row.name;
}

QImage drawnWith(QStyle& style, const FrameRow& row) {
    QGroupBox box;
    box.setStyle(&style);
    box.setFont(toFont(model::Font{9.75F, true, false}));
    box.setTitle(QString::fromUtf16(row.title));
    box.resize(row.size);
    return box.grab().toImage();
}

class FrameStyleTest : public ::testing::TestWithParam<FrameRow> {};

TEST_P(FrameStyleTest, drawFrame_matchesFusionPixelForPixel) {
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("fusion")));
    ASSERT_NE(fusion, nullptr);
    FrameStyle ours(QStyleFactory::create(QStringLiteral("fusion")));
    ASSERT_TRUE(ours.drawsOutline());
    const QImage expected = drawnWith(*fusion, GetParam());
    const QImage drawn = drawnWith(ours, GetParam());
    ASSERT_EQ(drawn.size(), expected.size());
    EXPECT_TRUE(drawn == expected);
}

INSTANTIATE_TEST_SUITE_P(
    Frames, FrameStyleTest,
    ::testing::Values(FrameRow{"main_window_frame", u"時刻表示切替", {121, 65}},
                      FrameRow{"clock_window_frame", u"時刻表示切替", {137, 41}},
                      FrameRow{"untitled", u"", {80, 40}}),
    [](const auto& info) { return std::string(info.param.name); });

struct PanelRow {
    const char* name;
    QStyle::State state;
    QRect clip;  // empty for the whole panel
    QSize size = {137, 28};
};
void PrintTo(const PanelRow& row, std::ostream* os) {
    *os << row.name;
}

// A text box's panel drawn over a ground that is not one colour, so that the
// panel's soft corners show how they were blended.
QImage panelDrawnWith(QStyle& style, const PanelRow& row, int times) {
    QLineEdit edit;
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.rect = QRect(QPoint(3, 2), row.size);
    option.state = row.state;
    option.lineWidth = style.pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit);
    QImage image(150, 36, QImage::Format_RGB32);
    QLinearGradient ground(0, 0, 150, 36);
    ground.setColorAt(0, QColor(0xF1, 0xEB, 0xCB));
    ground.setColorAt(1, QColor(0x40, 0x80, 0xC0));
    for (int i = 0; i < times; ++i) {
        QPainter painter(&image);
        painter.fillRect(image.rect(), ground);
        if (!row.clip.isEmpty()) {
            painter.setClipRect(row.clip);
        }
        style.drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, &edit);
    }
    return image;
}

// The largest difference of a colour channel between two images of one size.
int largestDifference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)),
                                std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return largest;
}

class TextPanelTest : public ::testing::TestWithParam<PanelRow> {};

TEST_P(TextPanelTest, drawPanel_matchesFusionPixelForPixel) {
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("fusion")));
    FrameStyle ours(QStyleFactory::create(QStringLiteral("fusion")));
    const QImage expected = panelDrawnWith(*fusion, GetParam(), 1);
    // The second time the panel comes from the cache.
    // Blending the panel's soft corners once, from the cache, instead of
    // stroke by stroke, may round a corner pixel one level the other way.
    EXPECT_LE(largestDifference(panelDrawnWith(ours, GetParam(), 1), expected), 1)
        << "first drawing";
    EXPECT_LE(largestDifference(panelDrawnWith(ours, GetParam(), 2), expected), 1)
        << "drawing again";
}

// One style remembers several panels; each look must get its own.
TEST(TextPanelLooksTest, drawPanel_oneLookAfterAnother_drawsEachAsFusion) {
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("fusion")));
    FrameStyle ours(QStyleFactory::create(QStringLiteral("fusion")));
    const PanelRow looks[] = {
        {"focused", QStyle::State_Enabled | QStyle::State_HasFocus, {}},
        {"unfocused", QStyle::State_Enabled, {}},
        {"narrower", QStyle::State_Enabled, {}, {25, 30}},
        {"focused_again", QStyle::State_Enabled | QStyle::State_HasFocus, {}},
    };
    for (const PanelRow& look : looks) {
        EXPECT_LE(
            largestDifference(panelDrawnWith(ours, look, 1), panelDrawnWith(*fusion, look, 1)), 1)
            << look.name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Panels, TextPanelTest,
    ::testing::Values(PanelRow{"focused", QStyle::State_Enabled | QStyle::State_HasFocus, {}},
                      PanelRow{"unfocused", QStyle::State_Enabled, {}},
                      PanelRow{"disabled", QStyle::State_None, {}},
                      PanelRow{"caret_strip_only", QStyle::State_Enabled | QStyle::State_HasFocus,
                               QRect(20, 6, 2, 20)},
                      PanelRow{"corner_only", QStyle::State_Enabled, QRect(0, 0, 8, 8)}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kanmeri::platform
