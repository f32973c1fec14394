// The windows under a dark desktop colour scheme, given as --scheme=NAME:
// the captions drawn over the window's picture or a colour the window fixes
// read as on the light scheme, and the design's colours stay. Brings its own
// main, which puts the scheme in place before the application object reads it.
#include <gtest/gtest.h>

#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "platform/application.h"
#include "platform/tests/real_app.h"

namespace kanmeri::platform::testing {
namespace {

// KDE Plasma's Breeze Dark, as Plasma 5 writes it to kdeglobals.
constexpr const char* kBreezeDark = R"([General]
ColorScheme=BreezeDark

[Colors:Button]
BackgroundNormal=49,54,59
ForegroundNormal=252,252,252

[Colors:Selection]
BackgroundNormal=61,174,233
ForegroundNormal=252,252,252

[Colors:Tooltip]
BackgroundNormal=41,44,48
ForegroundNormal=252,252,252

[Colors:View]
BackgroundNormal=27,30,32
ForegroundNormal=252,252,252

[Colors:Window]
BackgroundNormal=42,46,50
ForegroundInactive=161,169,177
ForegroundNormal=252,252,252
)";

// WCAG's relative luminance of a colour.
double luminance(QColor colour) {
    const auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

// The contrast of a caption with what lies behind it: WCAG's ratio between
// the box's median luminance and its ink, the pixels farthest from it.
double contrast(const QImage& shot, const QRect& box) {
    std::vector<double> values;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            values.push_back(luminance(shot.pixelColor(x, y)));
        }
    }
    auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    const double median = *middle;
    const double ink = *std::max_element(values.begin(), values.end(), [&](double a, double b) {
        return std::abs(a - median) < std::abs(b - median);
    });
    return (std::max(ink, median) + 0.05) / (std::min(ink, median) + 0.05);
}

QRect inWindow(const QWidget* widget, const QRect& rect) {
    return rect.translated(widget->mapTo(widget->window(), QPoint(0, 0)));
}

// Where an option button draws its caption, past its indicator.
QRect captionOf(const QRadioButton* option) {
    QStyleOptionButton style;
    style.initFrom(option);
    style.text = option->text();
    return inWindow(
        option, option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option));
}

// Where a frame draws its caption, on its top edge.
QRect captionOf(const QGroupBox* frame) {
    QStyleOptionGroupBox style;
    style.initFrom(frame);
    style.text = frame->title();
    style.textAlignment = frame->alignment();
    style.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    return inWindow(frame, frame->style()->subControlRect(QStyle::CC_GroupBox, &style,
                                                          QStyle::SC_GroupBoxLabel, frame));
}

QImage shotOf(QWidget* view) {
    return view->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

struct Caption {
    const char* name;
    QRect box;
};

void expectLegible(const QImage& shot, const std::vector<Caption>& captions) {
    forEachRow(captions, [&](const Caption& row) {
        EXPECT_GE(contrast(shot, row.box), 4.5) << "in " << row.box.x() << ", " << row.box.y();
    });
}

class SchemeTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The scheme must be in force, or nothing here would be tested.
        ASSERT_LT(QApplication::palette().color(QPalette::Window).lightness(), 100)
            << "the dark scheme did not take effect";
        if (app_.view(app_.windows.main)->devicePixelRatio() != 1.0) {
            GTEST_SKIP() << "pixel boxes assume a scale factor of 1";
        }
    }

    RealApp app_;
};

TEST_F(SchemeTest, mainWindowCaptions_readOverPictureAndFrame) {
    windows::MainForm& form = app_.main();
    const auto* go = app_.widget<QFrame>(form.stop);
    expectLegible(shotOf(app_.view(app_.windows.main)),
                  {{"Label2", inWindow(app_.widget(form.Label2), app_.widget(form.Label2)->rect())},
                   {"stop", inWindow(go, go->contentsRect())},
                   {"Frame1", captionOf(app_.widget<QGroupBox>(form.Frame1))},
                   {"outtime(0)", captionOf(app_.widget<QRadioButton>(form.outtime0))},
                   {"outtime(1)", captionOf(app_.widget<QRadioButton>(form.outtime1))}});
}

TEST_F(SchemeTest, clockWindowCaptions_readOverPictureAndFrame) {
    QWidget* view = app_.openClock();
    ASSERT_NE(view, nullptr);
    windows::ClockForm& form = app_.windows.clock.controls();
    expectLegible(shotOf(view),
                  {{"Frame1", captionOf(app_.widget<QGroupBox>(form.Frame1))},
                   {"outtime(0)", captionOf(app_.widget<QRadioButton>(form.outtime0))},
                   {"outtime(1)", captionOf(app_.widget<QRadioButton>(form.outtime1))}});
}

TEST_F(SchemeTest, designColours_stay) {
    windows::MainForm& form = app_.main();
    const QImage shot = shotOf(app_.view(app_.windows.main));
    const struct {
        const char* name;
        const model::Control& control;
        QColor colour;
        int atLeast;  // pixels of the colour, give or take antialiasing
    } rows[] = {
        {"dsp01 green", form.dsp01, QColor(0x008000), 30},
        {"Label1 red", form.Label1, QColor(0xC00000), 20},
        {"lblgoto purple", form.lblgoto, QColor(0x800080), 20},
        {"Frame1 back", form.Frame1, QColor(0xF1EBCB), 2000},
    };
    forEachRow(rows, [&](const auto& row) {
        const QWidget* widget = app_.widget(row.control);
        const QRect box = inWindow(widget, widget->rect());
        int count = 0;
        for (int y = box.top(); y <= box.bottom(); ++y) {
            for (int x = box.left(); x <= box.right(); ++x) {
                const QColor pixel = shot.pixelColor(x, y);
                count += std::abs(pixel.red() - row.colour.red()) <= 24 &&
                                 std::abs(pixel.green() - row.colour.green()) <= 24 &&
                                 std::abs(pixel.blue() - row.colour.blue()) <= 24
                             ? 1
                             : 0;
            }
        }
        EXPECT_GE(count, row.atLeast);
    });
}

// Puts the scheme named by --scheme= in place; false for an unknown name.
bool useScheme(std::string_view scheme, const QTemporaryDir& home) {
    unsetenv("QT_STYLE_OVERRIDE");
    if (scheme == "breeze-dark") {
        QFile file(home.filePath(QStringLiteral("kdeglobals")));
        if (!file.open(QIODevice::WriteOnly) || file.write(kBreezeDark) < 0) {
            return false;
        }
        unsetenv("QT_QPA_PLATFORMTHEME");
        setenv("XDG_CURRENT_DESKTOP", "KDE", 1);
        setenv("KDE_SESSION_VERSION", "5", 1);
        setenv("XDG_CONFIG_HOME", home.path().toLocal8Bit().constData(), 1);
        return true;
    }
    if (scheme == "adwaita-dark") {
        setenv("QT_QPA_PLATFORMTHEME", "gtk3", 1);
        setenv("GTK_THEME", "Adwaita:dark", 1);
        return true;
    }
    return false;
}

}  // namespace
}  // namespace kanmeri::platform::testing

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests)) {
        return RUN_ALL_TESTS();
    }
    const std::string_view prefix = "--scheme=";
    std::string_view scheme;
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]).starts_with(prefix)) {
            scheme = std::string_view(argv[i]).substr(prefix.size());
        }
    }
    const QTemporaryDir home;
    if (!home.isValid() || !kanmeri::platform::testing::useScheme(scheme, home)) {
        std::fprintf(stderr, "usage: %s --scheme=breeze-dark|adwaita-dark\n", argv[0]);
        return 2;
    }
    kanmeri::platform::Application application(argc, argv);
    return RUN_ALL_TESTS();
}
