#pragma once
// A rectangle shape: an opaque fill inside a 1 px plain border.
#include "model/controls.h"
#include "platform/control_view.h"

namespace kanmeri::platform {

class ShapeWidget : public DrawnControl {
    Q_OBJECT

public:
    ShapeWidget(model::Shape& shape, QWidget* parent);

    void follow(model::Property property) override;

private:
    model::Shape& shape_;
};

}  // namespace kanmeri::platform
