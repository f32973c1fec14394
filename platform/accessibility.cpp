#include "platform/accessibility.h"

#include <QAccessibleWidget>
#include <QMetaObject>
#include <utility>

#include "platform/label_widget.h"
#include "platform/shape_widget.h"

namespace kanmeri::platform {

namespace {

class LabelAccessible : public QAccessibleWidget {
public:
    explicit LabelAccessible(LabelWidget* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    [[nodiscard]] QStringList actionNames() const override {
        if (label()->pressable()) {
            return {pressAction()};
        }
        return {};
    }

    void doAction(const QString& actionName) override {
        if (actionName != pressAction() || !label()->pressable()) {
            return;
        }
        // The AT-SPI bridge sends its reply to the screen reader only when
        // this returns. The Click handler may open a modal message box, whose
        // own event loop would hold that reply (and a screen reader waiting
        // for it) until the box is closed; so the press runs from the event
        // loop right after. The label as context drops it if the label goes.
        LabelWidget* pressed = label();
        QMetaObject::invokeMethod(
            pressed, [pressed] { pressed->press(); }, Qt::QueuedConnection);
    }

private:
    [[nodiscard]] LabelWidget* label() const { return static_cast<LabelWidget*>(widget()); }
};

class BarAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit BarAccessible(ShapeWidget* bar) : QAccessibleWidget(bar, QAccessible::ProgressBar) {}

    [[nodiscard]] bool isValid() const override {
        listingActions_ = false;
        return QAccessibleWidget::isValid();
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        const bool listingActions = std::exchange(listingActions_, false);
        switch (type) {
            case QAccessible::ActionInterface:
                // Qt's AT-SPI bridge gives Increase and Decrease to whatever
                // has a value: to list an accessible's actions it asks for its
                // action interface and then, at once, for its value interface.
                // The bar cannot be changed, so it answers that second question
                // with no; asked on its own, for the value, it answers yes.
                listingActions_ = true;
                return nullptr;
            case QAccessible::ValueInterface:
                return listingActions ? nullptr : static_cast<QAccessibleValueInterface*>(this);
            default:
                return QAccessibleWidget::interface_cast(type);
        }
    }

    [[nodiscard]] QVariant currentValue() const override {
        return static_cast<const ShapeWidget*>(widget())->filledShare();
    }
    void setCurrentValue(const QVariant& /*value*/) override {}
    [[nodiscard]] QVariant maximumValue() const override { return 1.0; }
    [[nodiscard]] QVariant minimumValue() const override { return 0.0; }
    [[nodiscard]] QVariant minimumStepSize() const override { return 0.0; }

private:
    // Every message of the bridge starts by asking isValid(), which clears
    // this; so an action interface asked for by an earlier message never
    // hides the value from a later one.
    mutable bool listingActions_ = false;
};

QAccessibleInterface* widgetFactory(const QString& /*className*/, QObject* object) {
    if (auto* label = qobject_cast<LabelWidget*>(object)) {
        return new LabelAccessible(label);
    }
    if (auto* shape = qobject_cast<ShapeWidget*>(object)) {
        if (shape->outline() != nullptr) {
            return new BarAccessible(shape);
        }
        return new QAccessibleWidget(shape, QAccessible::Graphic);
    }
    return nullptr;
}

}  // namespace

void installAccessibility() {
    QAccessible::installFactory(widgetFactory);
}

}  // namespace kanmeri::platform
