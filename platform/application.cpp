#include "platform/application.h"

#include <QApplication>
#include <QMetaObject>
#include <QWidget>
#include <cstdlib>

#include "platform/accessibility.h"
#include "platform/caret_rest.h"
#include "platform/look.h"

namespace kanmeri::platform {

namespace {

class FirstPaintExit : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            // The frame is painted and flushed before the next event is taken;
            // a posted event comes before anything the paint queued after itself.
            QMetaObject::invokeMethod(
                QCoreApplication::instance(), [] { std::_Exit(0); }, Qt::QueuedConnection);
            QCoreApplication::instance()->removeEventFilter(this);
        }
        return false;
    }
};

}  // namespace

Application::Application(int& argc, char** argv) {
    app_ = std::make_unique<QApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kanmeri"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.kanmeri"));
    // Every text of the program is Japanese. The controls set their own
    // design fonts, but a text box lays out its first text in this one, and
    // the desktop's Latin face would be loaded for nothing.
    QApplication::setFont(toFont(model::Font{}));
    installAccessibility();
    caretRest_ = std::make_unique<CaretRest>();
    if (!qEnvironmentVariableIsEmpty("KANMERI_EXIT_AFTER_FIRST_PAINT")) {
        exitAfterFirstPaint_ = std::make_unique<FirstPaintExit>();
        app_->installEventFilter(exitAfterFirstPaint_.get());
    }
}

Application::~Application() {
    exitAfterFirstPaint_.reset();
    caretRest_.reset();
}

}  // namespace kanmeri::platform
