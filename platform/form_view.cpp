#include "platform/form_view.h"

#include <QCloseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QTimer>

#include "model/controls.h"
#include "platform/look.h"
#include "resources/picture.h"

namespace kanmeri::platform {

FormView::FormView(model::Window& window, model::Program& program, std::function<void()> close,
                   const QIcon& icon)
    : QWidget(nullptr, kFlags),
      window_(window),
      form_(window.form()),
      delivery_(program),
      close_(std::move(close)),
      announcer_(new Announcer(this)) {
    setUpWindow();
    if (!icon.isNull()) {
        setWindowIcon(icon);
    }
    // A frame comes before the controls inside it, so their parent exists.
    for (const auto& control : form_.controls()) {
        QWidget* parent = control->parent() != nullptr ? widgetFor(*control->parent()) : this;
        ControlView* view = makeView(*control, delivery_, parent);
        views_[control.get()] = {view, dynamic_cast<QWidget*>(view)};
        follow(*control, model::Property::Geometry);
    }
    QWidget* previous = nullptr;
    for (model::Control* control : form_.tabOrder()) {
        QWidget* widget = widgetFor(*control);
        if (previous != nullptr) {
            setTabOrder(previous, widget);
        }
        previous = widget;
    }
    form_.setObserver(
        [this](model::Control& control, model::Property property) { follow(control, property); });
    move(toPixels(window_.left()), toPixels(window_.top()));
}

void FormView::setUpWindow() {
    const model::WindowDesign& design = window_.design();
    setObjectName(toQString(design.name));
    setWindowTitle(toQString(design.caption));
    setAccessibleName(windowTitle());
    setFixedSize(toPixels(design.clientWidth), toPixels(design.clientHeight));
    // Painted, not a palette: a palette per load would give every child a new
    // style cache key, and the style's pixmap cache would grow with each load.
    background_ = toColour(design.backColour);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    if (!design.picture.empty()) {
        // Three bytes a pixel instead of the four of a pixmap: the picture is
        // opaque and only the repainted strips are ever converted.
        picture_ = resources::openPicture(design.picture, size());
    }
}

void FormView::follow(const model::Control& control, model::Property property) {
    if (property == model::Property::Announcement) {
        announcer_->announce(toQString(control.accessibleName()));
        return;
    }
    const Drawn& drawn = views_.at(&control);
    drawn.view->follow(property);
    // A control's name follows its caption, its description its size.
    const bool caption = property == model::Property::Caption;
    if (drawn.widget == nullptr || !(caption || property == model::Property::Geometry)) {
        return;
    }
    if (!caption) {
        drawn.widget->setGeometry(toPixels(control.rect()));
    }
    // Each change is announced to assistive technology; unchanged ones are not.
    if (const QString name = toQString(control.accessibleName());
        name != drawn.widget->accessibleName()) {
        drawn.widget->setAccessibleName(name);
    }
    if (const QString text = toQString(control.description());
        text != drawn.widget->accessibleDescription()) {
        drawn.widget->setAccessibleDescription(text);
    }
}

QWidget* FormView::widgetFor(const model::Control& control) const {
    const auto found = views_.find(&control);
    return found == views_.end() ? nullptr : found->second.widget;
}

void FormView::focus(const model::Control& control) {
    if (QWidget* widget = widgetFor(control)) {
        widget->setFocus(Qt::OtherFocusReason);
    }
}

void FormView::start() {
    if (const model::Control* first = form_.firstFocusable()) {
        focus(*first);
    }
}

void FormView::detach() {
    delivery_.close();
    for (QTimer* timer : findChildren<QTimer*>(Qt::FindDirectChildrenOnly)) {
        timer->stop();
    }
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
    // The window goes through the model's unload, which hides this view.
    event->ignore();
    delivery_.deliver(nullptr, close_);
}

}  // namespace kanmeri::platform
