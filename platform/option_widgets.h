#pragma once
// The option frame and its option buttons, opaque in their background colour.
// The buttons of one frame are one exclusive group and one tab stop, held by
// the selected button; the arrow keys move focus and selection inside it.
#include <QGroupBox>
#include <QRadioButton>

#include "model/controls.h"
#include "platform/deliver.h"

namespace kanmeri::platform {

class FrameWidget : public QGroupBox {
    Q_OBJECT

public:
    FrameWidget(model::Frame& frame, QWidget* parent);

    void sync(model::Property property);

private:
    model::Frame& frame_;
};

class OptionWidget : public QRadioButton {
    Q_OBJECT

public:
    OptionWidget(model::OptionButton& option, Deliver deliver, QWidget* parent);

    void sync(model::Property property);

private:
    void followValue();

    model::OptionButton& option_;
    Deliver deliver_;
};

}  // namespace kanmeri::platform
