// The main window as drawn: the picture, the fonts, the colours and the layout
// must all show. Saves the picture to /tmp/kanmeri-main.png for a look.
#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

#include "platform/tests/real_app.h"

namespace kanmeri::platform::testing {
namespace {

bool near(QColor a, QColor b, int tolerance) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

int countNear(const QImage& image, const QRect& box, QColor colour, int tolerance) {
    int count = 0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            count += near(image.pixelColor(x, y), colour, tolerance) ? 1 : 0;
        }
    }
    return count;
}

// Bounding box of the pixels in `area` that differ from the bare paper.
QRect inked(const QImage& shot, const QImage& paper, const QRect& area) {
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (!near(shot.pixelColor(x, y), paper.pixelColor(x, y), 40)) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

class ScreenshotTest : public ::testing::Test {
protected:
    void SetUp() override {
        QPixmap grabbed = app_.view(app_.windows.main)->grab();
        if (grabbed.devicePixelRatio() != 1.0) {
            GTEST_SKIP() << "pixel samples assume a scale factor of 1";
        }
        grabbed.save(QStringLiteral("/tmp/kanmeri-main.png"));
        shot_ = grabbed.toImage().convertToFormat(QImage::Format_RGB32);
        paper_ = QImage(QStringLiteral(":/kanmeri/paper_cream.jpg"))
                     .convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(paper_.isNull());
    }

    RealApp app_;
    QImage shot_;
    QImage paper_;
};

TEST_F(ScreenshotTest, picture_showsUnscaledWhereNoControlLies) {
    ASSERT_EQ(shot_.size(), QSize(580, 340));
    for (const QPoint at :
         {QPoint(520, 320), QPoint(10, 330), QPoint(300, 140), QPoint(575, 100)}) {
        SCOPED_TRACE(at.x());
        EXPECT_TRUE(near(shot_.pixelColor(at), paper_.pixelColor(at), 3));
    }
}

TEST_F(ScreenshotTest, colours_showInTheirControls) {
    const struct {
        const char* name;
        QRect area;
        QColor colour;
        int tolerance;
        int atLeast;
    } rows[] = {
        {"green date text", {58, 58, 150, 16}, QColor(0x008000), 24, 30},
        {"red weekday prompt", {48, 152, 113, 25}, QColor(0xC00000), 24, 20},
        {"magenta asterisks", {42, 298, 150, 19}, QColor(0xFF00FF), 24, 30},
        {"bar fill", {58, 90, 44, 5}, QColor(0x008000), 0, 44 * 5},
        {"bar outline fill", {110, 90, 300, 5}, QColor(0xFFFFFF), 0, 300 * 5},
        {"opaque frame and options", {535, 44, 10, 10}, QColor(0xF1EBCB), 2, 95},
    };
    forEachRow(rows, [&](const auto& row) {
        EXPECT_GE(countNear(shot_, row.area, row.colour, row.tolerance), row.atLeast);
    });
}

TEST_F(ScreenshotTest, labelText_staysInsideItsBoxWithPlausibleExtent) {
    const struct {
        const char* name;
        QRect label;
        int minWidth;
        int minHeight;
    } rows[] = {
        {"lblgoto, one line", {368, 264, 201, 17}, 150, 10},
        {"start, wraps onto three lines", {24, 240, 225, 49}, 180, 38},
        {"dsp01", {144, 24, 241, 25}, 150, 10},
    };
    forEachRow(rows, [&](const auto& row) {
        const QRect area = row.label.adjusted(-6, -6, 6, 6) & shot_.rect();
        const QRect ink = inked(shot_, paper_, area);
        EXPECT_TRUE(row.label.contains(ink))
            << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height();
        EXPECT_GE(ink.width(), row.minWidth);
        EXPECT_GE(ink.height(), row.minHeight);
    });
}

TEST(ClockScreenshotTest, clockWindow_showsItsPictureAndGreenTime) {
    RealApp app;
    QWidget* view = app.openClock();
    ASSERT_NE(view, nullptr);
    QPixmap grabbed = view->grab();
    if (grabbed.devicePixelRatio() != 1.0) {
        GTEST_SKIP() << "pixel samples assume a scale factor of 1";
    }
    grabbed.save(QStringLiteral("/tmp/kanmeri-jikoku.png"));
    const QImage shot = grabbed.toImage().convertToFormat(QImage::Format_RGB32);
    const QImage paper =
        QImage(QStringLiteral(":/kanmeri/paper_white.jpg")).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shot.size(), QSize(291, 105));
    EXPECT_TRUE(near(shot.pixelColor(250, 40), paper.pixelColor(250, 40), 3));
    EXPECT_GE(countNear(shot, {10, 74, 100, 16}, QColor(0x008000), 24), 30);
    EXPECT_GE(countNear(shot, {205, 74, 8, 12}, QColor(0xFFFFFB), 2), 70);
}

}  // namespace
}  // namespace kanmeri::platform::testing
