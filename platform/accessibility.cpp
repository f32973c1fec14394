#include "platform/accessibility.h"

#include <QAccessibleWidget>
#include <QMetaObject>

#include "platform/control_view.h"
#include "platform/form_view.h"

namespace kanmeri::platform {

namespace {

class DrawnAccessible : public QAccessibleWidget {
public:
    explicit DrawnAccessible(DrawnControl* control)
        : QAccessibleWidget(control, toAccessibleRole(control->role())) {}

    [[nodiscard]] QStringList actionNames() const override {
        return drawn()->pressable() ? QStringList{pressAction()} : QStringList{};
    }

    [[nodiscard]] QStringList keyBindingsForAction(const QString& actionName) const override {
        if (actionName != pressAction() || drawn()->accessKey().isEmpty()) {
            return {};
        }
        return {drawn()->accessKey().toString(QKeySequence::PortableText)};
    }

    void doAction(const QString& actionName) override {
        if (actionName != pressAction() || !drawn()->pressable()) {
            return;
        }
        // The AT-SPI bridge replies to the screen reader only when this
        // returns; the press runs from the event loop right after. The widget
        // as context drops it if the widget goes first.
        DrawnControl* pressed = drawn();
        QMetaObject::invokeMethod(
            pressed, [pressed] { pressed->press(); }, Qt::QueuedConnection);
    }

private:
    [[nodiscard]] DrawnControl* drawn() const { return static_cast<DrawnControl*>(widget()); }
};

QAccessibleInterface* drawnFactory(const QString& /*className*/, QObject* object) {
    if (auto* drawn = qobject_cast<DrawnControl*>(object)) {
        return new DrawnAccessible(drawn);
    }
    if (auto* announcer = qobject_cast<Announcer*>(object)) {
        return new QAccessibleWidget(announcer, QAccessible::Notification);
    }
    if (auto* view = qobject_cast<FormView*>(object)) {
        return new QAccessibleWidget(view, QAccessible::Window);
    }
    return nullptr;
}

}  // namespace

QAccessible::Role toAccessibleRole(model::Role role) {
    switch (role) {
        case model::Role::StaticText:
            return QAccessible::StaticText;
        case model::Role::Entry:
            return QAccessible::EditableText;
        case model::Role::Button:
            return QAccessible::Button;
        case model::Role::Option:
            return QAccessible::RadioButton;
        case model::Role::Group:
            return QAccessible::Grouping;
        case model::Role::Graphic:
            return QAccessible::Graphic;
        case model::Role::ProgressBar:
            return QAccessible::ProgressBar;
        case model::Role::None:
            break;
    }
    return QAccessible::NoRole;
}

Announcer::Announcer(QWidget* window) : QWidget(window) {
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void Announcer::announce(const QString& text) {
    // Screen readers keep an unfocused label's new name and text to
    // themselves, but speak a notification as it shows.
    setAccessibleName(text);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

void installAccessibility() {
    QAccessible::installFactory(drawnFactory);
}

}  // namespace kanmeri::platform
