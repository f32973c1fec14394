// Loads and shows the main window and runs the event loop until the program
// ends; everything else happens in the windows' handlers.
#include "model/program.h"
#include "platform/application.h"
#include "platform/qt_services.h"
#include "windows/app_windows.h"

int main(int argc, char** argv) {
    kanmeri::platform::Application application(argc, argv);
    kanmeri::model::Program program;
    kanmeri::platform::QtClock clock;
    kanmeri::platform::QtServices services(program);
    kanmeri::windows::AppWindows windows(services, clock);
    windows.registerWith(program);
    services.deliver([&] { services.showWindow(windows.main()); });
    return services.runEventLoop();
}
