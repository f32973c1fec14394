#include "platform/form_view.h"

#include <QCloseEvent>
#include <QIcon>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QRegion>
#include <QTimer>

#include "model/controls.h"
#include "platform/look.h"
#include "platform/picture.h"
#include "platform/shape_widget.h"
#include "platform/widget_factory.h"

namespace kanmeri::platform {

namespace {

bool isBackground(const model::Control& control) {
    return control.kind() == model::ControlKind::Label ||
           control.kind() == model::ControlKind::Shape;
}

}  // namespace

FormView::FormView(model::Window& window, Deliver deliver, Handler close, const QIcon& icon)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      window_(window),
      form_(window.form()),
      deliver_(std::move(deliver)),
      close_(std::move(close)) {
    setUpWindow();
    if (!icon.isNull()) {
        setWindowIcon(icon);
    }
    buildControls();
    stack();
    chainTabs();
    // The model may outlive this view or die before it; the guard keeps
    // either order safe, so the destructor need not touch the model.
    const QPointer<FormView> self(this);
    form_.setObserver([self](model::Control& control, model::Property property) {
        if (self != nullptr) {
            self->follow(control, property);
        }
    });
    window_.setPositionObserver([self] {
        if (self != nullptr) {
            self->place();
        }
    });
    place();
}

FormView::~FormView() = default;

void FormView::setUpWindow() {
    const model::WindowDesign& design = window_.design();
    setWindowTitle(toQString(design.caption));
    setAccessibleName(windowTitle());
    setFixedSize(toPixels(design.clientWidth), toPixels(design.clientHeight));
    // The background colour is painted, not set as a palette: a palette of
    // its own per load would give every child a new style cache key, and the
    // style's pixmap cache would grow with every reload of the window.
    background_ = toColour(design.backColour);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    if (!design.picture.empty()) {
        // Three bytes a pixel instead of the four of a pixmap: the picture is
        // opaque and only the repainted strips are ever converted.
        picture_ = openPicture(design.picture, size());
    }
}

void FormView::buildControls() {
    // Frames first, so the option buttons find their parent widget.
    for (const auto& control : form_.controls()) {
        if (control->kind() == model::ControlKind::Frame) {
            addControl(*control);
        }
    }
    for (const auto& control : form_.controls()) {
        if (control->kind() == model::ControlKind::Timer) {
            auto* timer = new QTimer(this);
            const auto* model = static_cast<const model::Timer*>(control.get());
            timer->setInterval(model->interval());
            connect(timer, &QTimer::timeout, this,
                    [this, model] { deliver_([model] { model->tick(); }); });
            timers_.emplace_back(timer, model);
        } else if (control->kind() != model::ControlKind::Frame) {
            addControl(*control);
        }
    }
}

void FormView::addControl(model::Control& control) {
    QWidget* parent = this;
    if (control.parent() != nullptr) {
        parent = widgetFor(*control.parent());
    }
    const Deliver guarded = [this](const Handler& handler) {
        if (attached_) {
            deliver_(handler);
        }
    };
    ControlWidget made = makeWidget(control, guarded, parent);
    if (made.widget != nullptr) {
        widgets_[&control] = {made.widget, std::move(made.sync)};
    }
}

void FormView::stack() {
    std::vector<ShapeWidget*> shapes;
    for (const auto& control : form_.controls()) {
        QWidget* widget = widgetFor(*control);
        if (widget == nullptr || !isBackground(*control)) {
            continue;
        }
        widget->raise();
        if (auto* shape = qobject_cast<ShapeWidget*>(widget)) {
            for (ShapeWidget* earlier : shapes) {
                if (earlier->pos() == shape->pos()) {
                    shape->setOutline(earlier);
                    shape->setAccessibleName(QStringLiteral("秒の進み"));
                }
            }
            shapes.push_back(shape);
        }
    }
    for (const auto& control : form_.controls()) {
        QWidget* widget = widgetFor(*control);
        if (widget != nullptr && !isBackground(*control) && control->parent() == nullptr) {
            widget->raise();
        }
    }
}

void FormView::chainTabs() {
    QWidget* previous = nullptr;
    for (model::Control* control : form_.tabOrder()) {
        QWidget* widget = widgetFor(*control);
        if (widget == nullptr) {
            continue;
        }
        if (previous != nullptr) {
            setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

QWidget* FormView::widgetFor(const model::Control& control) const {
    const auto found = widgets_.find(&control);
    return found == widgets_.end() ? nullptr : found->second.widget;
}

void FormView::follow(model::Control& control, model::Property property) {
    const auto found = widgets_.find(&control);
    if (attached_ && found != widgets_.end()) {
        found->second.sync(property);
    }
}

void FormView::place() {
    move(toPixels(window_.left()), toPixels(window_.top()));
}

void FormView::start() {
    if (model::Control* first = form_.firstFocusable()) {
        if (QWidget* widget = widgetFor(*first)) {
            widget->setFocus(Qt::OtherFocusReason);
        }
    }
    for (auto& [timer, model] : timers_) {
        if (model->enabled()) {
            timer->start();
        }
    }
}

void FormView::detach() {
    if (!attached_) {
        return;
    }
    attached_ = false;
    for (auto& entry : timers_) {
        entry.first->stop();
    }
    window_.setPositionObserver({});
}

void FormView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    QRegion uncovered = event->region();
    if (!picture_.isNull()) {
        // Under a fractional scale factor the picture is resampled; keep it smooth.
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(0, 0, picture_);
        uncovered -= QRect(QPoint(0, 0), picture_.size());
    }
    // The colour shows only where the picture does not reach.
    for (const QRect& rect : uncovered) {
        painter.fillRect(rect, background_);
    }
}

void FormView::closeEvent(QCloseEvent* event) {
    if (!attached_) {
        event->accept();
        return;
    }
    // The window goes through the model's unload, which hides this view.
    event->ignore();
    close_();
}

}  // namespace kanmeri::platform
