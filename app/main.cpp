// Loads and shows the main window and runs the event loop until the program
// ends; everything else happens in the windows' handlers.
#include <cstdlib>

#include "model/program.h"
#include "platform/application.h"
#include "platform/caption_text.h"
#include "platform/qt_services.h"
#include "windows/app_windows.h"

int main(int argc, char** argv) {
    // The windows are centred at every load, which a native Wayland client
    // cannot do: X11 first (XWayland on a Wayland desktop), Wayland only where
    // no X server answers. A platform the user chose stands.
    setenv("QT_QPA_PLATFORM", "xcb;wayland", 0);
    kanmeri::platform::Application application(argc, argv);
    kanmeri::model::Program program;
    kanmeri::platform::QtClock clock;
    kanmeri::platform::QtServices services(program, application.frame());
    const kanmeri::platform::CaptionMeasure measure;
    kanmeri::windows::AppWindows windows(services, measure, clock);
    windows.registerWith(program);
    services.deliver([&] { services.showWindow(windows.main); });
    return services.runEventLoop();
}
