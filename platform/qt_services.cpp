#include "platform/qt_services.h"

#include <canberra.h>

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QScreen>
#include <algorithm>
#include <ctime>
#include <map>
#include <string>

#include "model/controls.h"
#include "model/window.h"
#include "platform/form_view.h"
#include "platform/look.h"
#include "platform/window_frame.h"

namespace kanmeri::platform {

namespace {

// The sound theme's "bell", or the toolkit's beep where the sound library
// cannot play it (no sound server or device, no theme sound).
class Beeper {
public:
    void beep() {
        if (!silent_ && !context_) {
            ca_context* made = nullptr;
            silent_ = ca_context_create(&made) != CA_SUCCESS;
            context_.reset(silent_ ? nullptr : made);
        }
        if (!silent_) {
            const int result =
                ca_context_play(context_.get(), 0, CA_PROP_EVENT_ID, "bell", nullptr);
            if (result == CA_SUCCESS) {
                return;
            }
            // Without a sound driver every later try would fail the same way,
            // and slowly; a missing theme sound may still be found another time.
            silent_ = result != CA_ERROR_NOTFOUND;
        }
        QApplication::beep();
    }

private:
    struct Destroy {
        void operator()(ca_context* context) const { ca_context_destroy(context); }
    };
    std::unique_ptr<ca_context, Destroy> context_;  // made on the first beep
    bool silent_ = false;                           // the library cannot play here
};

}  // namespace

struct QtServices::Impl {
    Impl(model::Program& p, WindowFrame& f) : program(p), frame(f), delivery(p) {}

    model::Program& program;
    WindowFrame& frame;
    Delivery delivery;  // for handlers of no window's: never closed
    Beeper beeper;
    std::map<model::Window*, FormView*, std::less<>> views;
    // One icon per file for the life of the program: a fresh one per load
    // would leave its pixmaps behind in the toolkit's cache every time.
    std::map<std::string, QIcon> icons;

    const QIcon& icon(const std::string& path) {
        return icons.try_emplace(path, QString::fromStdString(path)).first->second;
    }

    [[nodiscard]] FormView* viewOf(const model::Window& window) const {
        const auto found = views.find(&window);
        return found == views.end() ? nullptr : found->second;
    }
};

QtServices::QtServices(model::Program& program, WindowFrame& frame)
    : impl_(std::make_unique<Impl>(program, frame)) {
    // The model decides when the program ends, not the last hidden window.
    QGuiApplication::setQuitOnLastWindowClosed(false);
}

QtServices::~QtServices() {
    // The windows may be gone already; a view's destructor never asks them.
    for (auto& [window, view] : impl_->views) {
        delete view;
    }
}

void QtServices::messageBox(const model::Text& text, model::MessageStyle style,
                            const std::optional<model::Text>& title) {
    const QMessageBox::Icon icon =
        style == model::MessageStyle::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon;
    QMessageBox box(icon, toQString(title ? *title : model::Text(model::kApplicationTitle)),
                    toQString(text), QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void QtServices::beep() {
    impl_->beeper.beep();
}

void QtServices::setFocus(model::TextBox& box) {
    if (FormView* view = impl_->viewOf(box.form().window())) {
        view->focus(box);
    }
}

void QtServices::showWindow(model::Window& window) {
    if (FormView* view = impl_->viewOf(window)) {
        view->show();
        view->raise();
        view->activateWindow();
        return;
    }
    const QSizeF frame = impl_->frame.extent();
    window.setFrameExtent(toTwips(frame.width()), toTwips(frame.height()));
    window.load();
    if (!window.loaded()) {
        return;  // its Load handler unloaded it again
    }
    const std::string& icon = window.design().icon;
    auto* view = new FormView(
        window, impl_->program, [this, &window] { unloadWindow(window); },
        icon.empty() ? QIcon() : impl_->icon(icon));
    impl_->views[&window] = view;
    view->show();
    impl_->frame.follow(*view->windowHandle());
    view->activateWindow();
    view->start();
}

void QtServices::unloadWindow(model::Window& window) {
    window.unload();
    const auto found = impl_->views.find(&window);
    if (found == impl_->views.end()) {
        return;
    }
    FormView* view = found->second;
    impl_->views.erase(found);
    view->detach();
    view->hide();
    // The running handler may have come from one of its widgets.
    view->deleteLater();
}

void QtServices::endProgram() {
    for (model::Window* window : impl_->program.windows()) {
        unloadWindow(*window);
    }
    QCoreApplication::exit(0);
}

model::ScreenSize QtServices::screenSize() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect geometry = screen != nullptr ? screen->geometry() : QRect();
    return {toTwips(geometry.width()), toTwips(geometry.height())};
}

int QtServices::runEventLoop() {
    if (!impl_->program.anyLoaded()) {
        return 0;
    }
    return QApplication::exec();
}

void QtServices::deliver(const std::function<void()>& handler) {
    impl_->delivery.deliver(nullptr, handler);
}

model::LocalTime QtClock::read() const {
    const std::time_t now = std::time(nullptr);
    if (now != zoneReadAt_) {  // not at every tick: reading the zone looks its file up
        tzset();
        zoneReadAt_ = now;
    }
    std::tm t{};
    localtime_r(&now, &t);
    return {{t.tm_year + 1900, t.tm_mon + 1, t.tm_mday},
            {t.tm_hour, t.tm_min, std::min(t.tm_sec, 59)}};  // 60: a leap second
}

}  // namespace kanmeri::platform
