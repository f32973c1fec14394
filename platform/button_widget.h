#pragma once
// A command button. Its caption wraps onto further lines when wider than the
// face; it is never a default button, so Enter in a text box presses nothing,
// while Enter on the focused button itself presses it, as Space does.
#include <QPushButton>

#include "model/controls.h"
#include "platform/deliver.h"

namespace kanmeri::platform {

class ButtonWidget : public QPushButton {
    Q_OBJECT

public:
    ButtonWidget(model::CommandButton& button, Deliver deliver, QWidget* parent);

    void sync(model::Property property);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    model::CommandButton& button_;
    Deliver deliver_;
};

}  // namespace kanmeri::platform
