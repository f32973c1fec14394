#include "platform/accessibility.h"

#include <QAccessibleWidget>
#include <QMetaObject>
#include <array>

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
        // The bridge replies to the screen reader only when this returns; the
        // widget as context drops the press if the widget goes first.
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
    static constexpr auto kRoles =
        std::to_array({QAccessible::NoRole, QAccessible::StaticText, QAccessible::EditableText,
                       QAccessible::Button, QAccessible::RadioButton, QAccessible::Grouping,
                       QAccessible::Graphic, QAccessible::ProgressBar});
    static_assert(kRoles.size() == model::kRoles);
    return kRoles.at(static_cast<std::size_t>(role));
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
