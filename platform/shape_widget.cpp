#include "platform/shape_widget.h"

#include <QAccessible>
#include <QPainter>

#include "platform/edges.h"
#include "platform/look.h"

namespace kanmeri::platform {

ShapeWidget::ShapeWidget(model::Shape& shape, QWidget* parent) : QWidget(parent), shape_(shape) {
    setFocusPolicy(Qt::NoFocus);
    setGeometry(toPixels(shape.rect()));
}

void ShapeWidget::sync(model::Property property) {
    if (property != model::Property::Geometry) {
        return;
    }
    setGeometry(toPixels(shape_.rect()));
    update();
    if (outline_ != nullptr && QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(this, modelWidth());
        QAccessible::updateAccessibility(&event);
    }
}

void ShapeWidget::setOutline(ShapeWidget* outline) {
    outline_ = outline;
}

void ShapeWidget::paintEvent(QPaintEvent* /*event*/) {
    if (width() <= 0 || height() <= 0) {
        return;
    }
    QPainter painter(this);
    painter.fillRect(rect(), toColour(shape_.fill()));
    const QColor border = toColour(shape_.borderColour());
    drawEdges(painter, rect(), border, border);
}

}  // namespace kanmeri::platform
