#include "platform/shape_widget.h"

#include <QAccessible>

#include "platform/look.h"

namespace kanmeri::platform {

ShapeWidget::ShapeWidget(model::Shape& shape, QWidget* parent) : QFrame(parent), shape_(shape) {
    setFocusPolicy(Qt::NoFocus);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    QPalette p = palette();
    p.setColor(QPalette::Window, toColour(shape.fill()));
    p.setColor(QPalette::WindowText, toColour(shape.borderColour()));
    setPalette(p);
    setAutoFillBackground(true);
    setGeometry(toPixels(shape.rect()));
}

void ShapeWidget::sync(model::Property property) {
    if (property != model::Property::Geometry) {
        return;
    }
    setGeometry(toPixels(shape_.rect()));
    if (outline_ != nullptr && QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(this, filledShare());
        QAccessible::updateAccessibility(&event);
    }
}

double ShapeWidget::filledShare() const {
    if (outline_ == nullptr || outline_->modelWidth() <= 0) {
        return 0.0;
    }
    return double{modelWidth()} / double{outline_->modelWidth()};
}

void ShapeWidget::setOutline(ShapeWidget* outline) {
    outline_ = outline;
}

}  // namespace kanmeri::platform
