#pragma once
// The option frame and its option buttons, opaque in their background colour.
// The buttons of one frame are one exclusive group and one tab stop, held by
// the selected button; the arrow keys move focus and selection inside it.
#include <QGroupBox>
#include <QRadioButton>

#include "model/controls.h"
#include "platform/control_view.h"

namespace kanmeri::platform {

class FrameWidget : public QGroupBox, public ControlView {
    Q_OBJECT

public:
    FrameWidget(model::Frame& frame, QWidget* parent);

    void follow(model::Property property) override;

private:
    model::Frame& frame_;
};

class OptionWidget : public QRadioButton, public ControlView {
    Q_OBJECT

public:
    OptionWidget(model::OptionButton& option, Delivery& delivery, QWidget* parent);

    void follow(model::Property property) override;

private:
    void followValue();

    model::OptionButton& option_;
};

}  // namespace kanmeri::platform
