#include "platform/window_frame.h"

#include <xcb/xcb.h>

#include <QtGui/qguiapplication_platform.h>
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWindow>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

#include "platform/form_view.h"

namespace kanmeri::platform {

namespace {

struct Free {
    void operator()(void* p) const { std::free(p); }
};
template <typename T>
using Reply = std::unique_ptr<T, Free>;

enum Atom : std::uint8_t {
    kCheck,
    kSupported,
    kRequest,
    kExtents,
    kState,
    kHidden,
    kSkipTaskbar,
    kSkipPager,
    kAtoms
};
using Atoms = std::array<xcb_atom_t, kAtoms>;

xcb_connection_t* x11() {
    const auto* native = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return native != nullptr ? native->connection() : nullptr;
}

Atoms intern(xcb_connection_t* c) {
    static constexpr std::array<const char*, kAtoms> names{
        "_NET_SUPPORTING_WM_CHECK",   "_NET_SUPPORTED",          "_NET_REQUEST_FRAME_EXTENTS",
        "_NET_FRAME_EXTENTS",         "_NET_WM_STATE",           "_NET_WM_STATE_HIDDEN",
        "_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"};
    std::array<xcb_intern_atom_cookie_t, kAtoms> cookies{};
    for (std::size_t i = 0; i < kAtoms; ++i) {
        cookies.at(i) = xcb_intern_atom(c, 0, std::strlen(names.at(i)), names.at(i));
    }
    Atoms atoms{};
    for (std::size_t i = 0; i < kAtoms; ++i) {
        const Reply<xcb_intern_atom_reply_t> reply(
            xcb_intern_atom_reply(c, cookies.at(i), nullptr));
        atoms.at(i) = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    }
    return atoms;
}

xcb_get_property_cookie_t ask(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property,
                              xcb_atom_t type) {
    return xcb_get_property(c, 0, window, property, type, 0, 1024);
}

// The property's 32-bit values; none where it or its window is missing. The
// error of a window that is gone is taken here, not left to the toolkit.
std::vector<std::uint32_t> values(xcb_connection_t* c, xcb_get_property_cookie_t cookie) {
    xcb_generic_error_t* error = nullptr;
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(c, cookie, &error));
    std::free(error);
    if (!reply || reply->format != 32) {
        return {};
    }
    const auto* first = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    return {first, first + reply->value_len};
}

// The root of the display's default screen, the one the toolkit opened.
xcb_window_t rootOf(xcb_connection_t* c) {
    char* host = nullptr;
    int display = 0;
    int screen = 0;
    xcb_parse_display(nullptr, &host, &display, &screen);
    std::free(host);
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (; screen > 0 && it.rem > 1; --screen) {
        xcb_screen_next(&it);
    }
    return it.data->root;
}

// Left, right, top, bottom in device pixels, as a size in logical pixels.
QSizeF toExtent(const std::vector<std::uint32_t>& sides) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal ratio = screen != nullptr ? screen->devicePixelRatio() : 1.0;
    return QSizeF(sides[0] + sides[1], sides[2] + sides[3]) / ratio;
}

// Title bar and borders as the style draws them.
QSizeF styleEstimate() {
    const QStyle* style = QApplication::style();
    const int border = style->pixelMetric(QStyle::PM_DefaultFrameWidth);
    const int title = style->pixelMetric(QStyle::PM_TitleBarHeight);
    return {2.0 * border, title + 2.0 * border};
}

}  // namespace

struct WindowFrame::Question {
    // A window with the views' `flags`, of a fixed size: a resizable one may
    // get another frame than the views' fixed ones.
    explicit Question(Qt::WindowFlags flags) {
        probe.setFlags(flags);
        probe.setMinimumSize({64, 64});
        probe.setMaximumSize({64, 64});
        probe.resize(64, 64);
        probe.create();
    }

    [[nodiscard]] xcb_window_t id() const { return static_cast<xcb_window_t>(probe.winId()); }

    // Asks the window manager of `root` for the frame the probe would get.
    void request(xcb_connection_t* c, xcb_window_t root, xcb_atom_t question) const {
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = id();
        message.type = question;
        xcb_send_event(c, 0, root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                       reinterpret_cast<const char*>(&message));
        xcb_flush(c);
    }

    // Hands the probe to the window manager minimised, off the taskbar and the
    // pager: it frames the probe as it will frame the views, and shows nothing.
    void manageHidden(xcb_connection_t* c, const Atoms& atoms) {
        const std::array<xcb_atom_t, 2> skip{atoms[kSkipTaskbar], atoms[kSkipPager]};
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, id(), atoms[kState], XCB_ATOM_ATOM, 32,
                            skip.size(), skip.data());
        probe.showMinimized();  // keeps the states set here, adds the hidden one
    }

    QWindow probe;
};

WindowFrame::WindowFrame() : extent_(styleEstimate()) {
    xcb_connection_t* c = x11();
    if (c == nullptr) {
        return;
    }
    const Atoms atoms = intern(c);
    const xcb_window_t root = rootOf(c);
    const auto checked = ask(c, root, atoms[kCheck], XCB_ATOM_WINDOW);
    const auto supported = values(c, ask(c, root, atoms[kSupported], XCB_ATOM_ATOM));
    const auto check = values(c, checked);
    // A window manager names a window that names itself; one that has gone
    // may leave the root's property behind.
    if (check.size() != 1 || values(c, ask(c, check[0], atoms[kCheck], XCB_ATOM_WINDOW)) != check) {
        extent_ = QSizeF(0, 0);  // no window manager, no frame
        return;
    }
    extents_ = atoms[kExtents];
    const auto lists = [&supported](xcb_atom_t atom) {
        return std::find(supported.begin(), supported.end(), atom) != supported.end();
    };
    const bool answers = lists(atoms[kRequest]);
    // One that keeps minimised windows but does not answer the question frames
    // a window as soon as it takes it.
    if (!answers && !lists(atoms[kHidden])) {
        return;
    }
    question_ = std::make_unique<Question>(FormView::kFlags);
    if (answers) {
        question_->request(c, root, atoms[kRequest]);
    } else {
        question_->manageHidden(c, atoms);
    }
}

WindowFrame::~WindowFrame() = default;

QSizeF WindowFrame::extent() {
    if (!question_) {
        return extent_;
    }
    using std::chrono::steady_clock;
    const auto deadline = steady_clock::now() + std::chrono::milliseconds(200);
    xcb_connection_t* c = x11();
    const xcb_window_t probe = question_->id();
    // Polled: the answer comes as an event on the toolkit's connection, whose
    // events only its own loop may take, and a nested loop would run handlers.
    // Most window managers answer within one or two milliseconds.
    for (;;) {
        const auto sides = values(c, ask(c, probe, extents_, XCB_ATOM_CARDINAL));
        if (sides.size() == 4) {
            extent_ = toExtent(sides);
            break;
        }
        if (steady_clock::now() >= deadline) {
            break;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(250));
    }
    question_.reset();
    return extent_;
}

void WindowFrame::follow(QWindow& window) {
    if (extents_ != XCB_ATOM_NONE) {
        window.installEventFilter(this);
    }
}

bool WindowFrame::eventFilter(QObject* watched, QEvent* event) {
    auto* window = qobject_cast<QWindow*>(watched);
    const QEvent::Type type = event->type();
    if (window == nullptr || (type != QEvent::Expose && type != QEvent::Move)) {
        return false;
    }
    // Some window managers set the frame only after they have mapped the window.
    xcb_connection_t* c = x11();
    const auto sides =
        values(c, ask(c, static_cast<xcb_window_t>(window->winId()), extents_, XCB_ATOM_CARDINAL));
    if (sides.size() == 4) {
        extent_ = toExtent(sides);
        window->removeEventFilter(this);
    }
    return false;
}

}  // namespace kanmeri::platform
