#include "platform/application.h"

#include <QApplication>

#include "platform/accessibility.h"

namespace kanmeri::platform {

Application::Application(int& argc, char** argv) {
    app_ = std::make_unique<QApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kanmeri"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.kanmeri"));
    // The model decides when the program ends, not the last hidden window.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    installAccessibility();
}

Application::~Application() = default;

}  // namespace kanmeri::platform
