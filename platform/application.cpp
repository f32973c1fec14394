#include "platform/application.h"

#include <sys/prctl.h>

#include <QApplication>

#include "platform/accessibility.h"
#include "platform/caret_rest.h"
#include "platform/look.h"
#include "platform/window_frame.h"

namespace kanmeri::platform {

Application::Application(int& argc, char** argv) {
    // Timers on the wall clock's grid wake the program alone; a millisecond of
    // slack (inherited by the threads to come) saves a tenth of its CPU.
    prctl(PR_SET_TIMERSLACK, 1'000'000UL);
    app_ = std::make_unique<QApplication>(argc, argv);
    // Asked first: the window manager answers while the rest is set up.
    frame_ = std::make_unique<WindowFrame>();
    QCoreApplication::setApplicationName(QStringLiteral("kanmeri"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.kanmeri"));
    // A text box lays out its first text in this font before its own: the
    // desktop's Latin face would be loaded for nothing.
    QApplication::setFont(toFont(model::Font{}));
    installAccessibility();
    caretRest_ = std::make_unique<CaretRest>();
}

Application::~Application() = default;

}  // namespace kanmeri::platform
