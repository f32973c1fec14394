#include "platform/control_view.h"

#include <QShortcut>
#include <QTimer>

#include "model/controls.h"
#include "platform/button_widget.h"
#include "platform/entry_widget.h"
#include "platform/label_widget.h"
#include "platform/look.h"
#include "platform/option_widgets.h"
#include "platform/shape_widget.h"

namespace kanmeri::platform {

namespace {

// Runs from the moment its window's view is built, which is after Load.
class TimerView : public QTimer, public ControlView {
public:
    TimerView(const model::Timer& timer, Delivery& delivery, QObject* parent) : QTimer(parent) {
        setInterval(timer.interval());
        connect(this, &QTimer::timeout, this,
                [&timer, &delivery] { delivery.raise(timer, timer.timer); });
        if (timer.enabled()) {
            start();
        }
    }
    void follow(model::Property /*property*/) override {}
};

template <typename View, typename Control, typename... Args>
View* make(model::Control& control, Args&&... args) {
    return new View(static_cast<Control&>(control), std::forward<Args>(args)...);
}

ControlView* makeOf(model::Control& control, Delivery& delivery, QWidget* parent) {
    using K = model::ControlKind;
    switch (control.kind()) {
        case K::TextBox:
            return make<EntryWidget, model::TextBox>(control, delivery, parent);
        case K::Label:
            return make<LabelWidget, model::Label>(control, delivery, parent);
        case K::CommandButton:
            return make<ButtonWidget, model::CommandButton>(control, delivery, parent);
        case K::OptionButton:
            return make<OptionWidget, model::OptionButton>(control, delivery, parent);
        case K::Frame:
            return make<FrameWidget, model::Frame>(control, parent);
        case K::Shape:
            return make<ShapeWidget, model::Shape>(control, parent);
        case K::Timer:
            return make<TimerView, model::Timer>(control, delivery, parent);
    }
    return nullptr;
}

}  // namespace

DrawnControl::DrawnControl(const model::Control& control, QWidget* parent)
    : QFrame(parent), role_(control.role()) {
    if (const char16_t key = control.accessKey(); key != 0) {
        accessKey_ = QKeySequence(QKeyCombination(Qt::AltModifier, static_cast<Qt::Key>(key)));
        auto* shortcut = new QShortcut(accessKey_, this);
        connect(shortcut, &QShortcut::activated, this, [this] { press(); });
    }
}

ControlView* makeView(model::Control& control, Delivery& delivery, QWidget* parent) {
    ControlView* view = makeOf(control, delivery, parent);
    QString name = toQString(control.name());
    if (control.index()) {
        name += QStringLiteral("(%1)").arg(*control.index());
    }
    dynamic_cast<QObject&>(*view).setObjectName(name);
    return view;
}

void followAccess(QWidget& widget, const model::Control& control) {
    // Each change is announced to assistive technology; unchanged ones are not.
    if (const QString name = toQString(control.accessibleName()); name != widget.accessibleName()) {
        widget.setAccessibleName(name);
    }
    const QString description = toQString(control.description());
    if (description != widget.accessibleDescription()) {
        widget.setAccessibleDescription(description);
    }
}

}  // namespace kanmeri::platform
