// The fixed layout under screen scaling. HiDpiAtScale checks the windows at
// whatever scale factor this process runs with; HiDpiTest runs it again in a
// child process for each fractional and whole factor the desktop may use.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <cstdlib>

#include "platform/tests/clock_support.h"
#include "platform/tests/real_app.h"
#include "platform/tests/scale_factors.h"

namespace kanmeri::platform::testing {
namespace {

// The factor set through QT_SCALE_FACTOR, else the screen's own.
qreal expectedFactor(const QWidget* view) {
    const char* set = std::getenv("QT_SCALE_FACTOR");
    return set != nullptr ? std::strtod(set, nullptr) : view->devicePixelRatioF();
}

// Every control at its logical design pixels in its design font size; the
// auto-size labels fit their captions on one line.
void expectDesignLayout(const RealApp& app, const model::Form& form) {
    for (const auto& control : form.controls()) {
        const QWidget* widget = app.widget(*control);
        if (widget == nullptr) {
            continue;
        }
        SCOPED_TRACE(kanmeri::testing::utf8(control->name()) +
                     std::to_string(control->design().index.value_or(0)));
        const auto* label = dynamic_cast<const model::Label*>(control.get());
        if (label != nullptr && label->design().autoSize) {
            expectFitsOneLine(widget, *label);
        } else {
            EXPECT_EQ(widget->geometry(), toPixels(control->rect()));
        }
        if (control->kind() != model::ControlKind::Shape) {
            EXPECT_EQ(widget->font().pixelSize(), std::lround(control->design().font.pixels()));
        }
    }
}

// Mean difference, summed over the channels, between the grab's device pixels
// and the paper's pixels over the 8 x 8 patch from `at`.
int patchDifference(const QImage& shot, const QImage& paper, qreal factor, QPoint at) {
    int total = 0;
    for (int dy = 0; dy < 8; ++dy) {
        for (int dx = 0; dx < 8; ++dx) {
            const QPoint p = at + QPoint(dx, dy);
            // The device pixel whose centre falls in the middle of the paper pixel.
            const QColor got = shot.pixelColor(static_cast<int>((p.x() + 0.5) * factor),
                                               static_cast<int>((p.y() + 0.5) * factor));
            const QColor want = paper.pixelColor(p);
            total += std::abs(got.red() - want.red()) + std::abs(got.green() - want.green()) +
                     std::abs(got.blue() - want.blue());
        }
    }
    return total / 64;
}

// The grab is at device resolution and shows the paper unscaled where no
// control lies.
void expectCrispGrab(QWidget* view, const QString& paperFile, QSize client,
                     const std::vector<QPoint>& paperOnly) {
    const qreal factor = view->devicePixelRatioF();
    const QPixmap grabbed = view->grab();
    EXPECT_DOUBLE_EQ(grabbed.devicePixelRatio(), factor);
    EXPECT_EQ(grabbed.size(), (QSizeF(client) * factor).toSize());
    const QImage shot = grabbed.toImage().convertToFormat(QImage::Format_RGB32);
    const QImage paper = QImage(paperFile).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(paper.isNull());
    for (const QPoint at : paperOnly) {
        SCOPED_TRACE(std::to_string(at.x()) + "," + std::to_string(at.y()));
        EXPECT_LE(patchDifference(shot, paper, factor, at), 3);
    }
}

TEST(HiDpiAtScale, bothWindows_keepLogicalLayoutAndGrabAtDeviceResolution) {
    RealApp app;
    QWidget* main = app.view(app.windows.main);
    EXPECT_DOUBLE_EQ(main->devicePixelRatioF(), expectedFactor(main));
    EXPECT_EQ(main->size(), QSize(580, 340));
    EXPECT_EQ(app.widget(app.main().inymd)->geometry(), QRect(160, 152, 137, 28));
    EXPECT_EQ(app.widget(app.main().outtime1)->geometry(), QRect(8, 40, 105, 17));
    EXPECT_EQ(app.widget(app.main().shpwaku)->geometry(), QRect(56, 88, 361, 9));
    // After a tick, so the running captions are the ones fitted.
    fire(driverOf(main, app.main().Timer1));
    {
        SCOPED_TRACE("main window");
        expectDesignLayout(app, app.main());
        expectCrispGrab(main, QStringLiteral(":/kanmeri/paper_cream.jpg"), {580, 340},
                        {{520, 320}, {10, 330}, {300, 140}, {565, 100}});
    }
    QWidget* clock = app.openClock();
    ASSERT_NE(clock, nullptr);
    EXPECT_EQ(clock->size(), QSize(291, 105));
    fire(driverOf(clock, app.windows.clock.controls().Timer1));
    SCOPED_TRACE("clock window");
    expectDesignLayout(app, app.windows.clock.controls());
    expectCrispGrab(clock, QStringLiteral(":/kanmeri/paper_white.jpg"), {291, 105},
                    {{250, 40}, {60, 96}});
}

TEST(HiDpiTest, scaleFactors_keepLayoutInAChildProcessEach) {
    if (underChosenScaleFactor()) {
        GTEST_SKIP() << "already running under a chosen scale factor";
    }
    expectPassAtScaleFactors("HiDpiAtScale.*", 1, {"1.25", "1.5", "2"});
}

}  // namespace
}  // namespace kanmeri::platform::testing
