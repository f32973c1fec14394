#include "platform/accessibility.h"

#include <QAccessibleWidget>

#include "platform/label_widget.h"
#include "platform/shape_widget.h"

namespace kanmeri::platform {

namespace {

class BarAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit BarAccessible(ShapeWidget* bar) : QAccessibleWidget(bar, QAccessible::ProgressBar) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) {
            return static_cast<QAccessibleValueInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    [[nodiscard]] QVariant currentValue() const override {
        const auto* bar = static_cast<const ShapeWidget*>(widget());
        const ShapeWidget* outline = bar->outline();
        if (outline == nullptr || outline->modelWidth() <= 0) {
            return 0.0;
        }
        return static_cast<double>(bar->modelWidth() / outline->modelWidth());
    }
    void setCurrentValue(const QVariant& /*value*/) override {}  // read only
    [[nodiscard]] QVariant maximumValue() const override { return 1.0; }
    [[nodiscard]] QVariant minimumValue() const override { return 0.0; }
    [[nodiscard]] QVariant minimumStepSize() const override { return 0.0; }
};

QAccessibleInterface* widgetFactory(const QString& /*className*/, QObject* object) {
    if (auto* label = qobject_cast<LabelWidget*>(object)) {
        return new QAccessibleWidget(label, QAccessible::StaticText);
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
