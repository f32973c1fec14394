#include "platform/shape_widget.h"

#include "platform/look.h"

namespace kanmeri::platform {

ShapeWidget::ShapeWidget(model::Shape& shape, QWidget* parent)
    : DrawnControl(shape, parent), shape_(shape) {
    setFocusPolicy(Qt::NoFocus);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    QPalette p = palette();
    p.setColor(QPalette::Window, toColour(shape.fill()));
    p.setColor(QPalette::WindowText, toColour(shape.borderColour()));
    setPalette(p);
    setAutoFillBackground(true);
    follow(model::Property::Geometry);
}

void ShapeWidget::follow(model::Property property) {
    if (property == model::Property::Geometry) {
        setGeometry(toPixels(shape_.rect()));
        followAccess(*this, shape_);
    }
}

}  // namespace kanmeri::platform
