#pragma once
// The program's two windows shown through the real services, on a fixed
// clock, the way the entry starts them.
#include <QTest>

#include "model/program.h"
#include "model/tests/support/recording_services.h"
#include "platform/caption_text.h"
#include "platform/qt_services.h"
#include "platform/tests/fixture.h"
#include "platform/window_frame.h"
#include "windows/app_windows.h"

namespace kanmeri::platform::testing {

struct RealApp {
    model::Program program;
    WindowFrame frame;
    QtServices services{program, frame};
    kanmeri::testing::FakeClock clock;
    const CaptionMeasure measure;
    windows::AppWindows windows{services, measure, clock};

    explicit RealApp(model::TimeOfDay time = {15, 4, 30}) : RealApp({2000, 12, 21}, time) {}

    RealApp(model::Date date, model::TimeOfDay time) {
        clock.date = date;
        clock.time = time;
        windows.registerWith(program);
        services.deliver([this] { services.showWindow(windows.main); });
        static_cast<void>(QTest::qWaitForWindowExposed(view(windows.main), kPatienceMs));
        // The focus comes when the X server gets to it; the tests that type
        // into the focus widget need it.
        static_cast<void>(QTest::qWaitForWindowActive(view(windows.main), kPatienceMs));
    }

    [[nodiscard]] static QWidget* view(const model::Window& window) { return viewOf(window); }
    [[nodiscard]] windows::MainForm& main() { return windows.main.controls(); }
    // Clicks 時刻のみ表示ボタン; the clock window's view, or null where none opened.
    QWidget* openClock() {
        QTest::mouseClick(widget(main().Command2), Qt::LeftButton);
        return view(windows.clock);
    }
    template <typename T = QWidget>
    [[nodiscard]] T* widget(const model::Control& control) const {
        return widgetOf<T>(control);
    }
};

}  // namespace kanmeri::platform::testing
