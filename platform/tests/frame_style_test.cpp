// The frame outline drawn without asking the image plugins is Fusion's own.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QImage>
#include <QStyleFactory>
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

}  // namespace
}  // namespace kanmeri::platform
