#pragma once
// A command button: the style's face, with the caption drawn over it in the
// layout's caption metrics (platform/caption_text.h), wrapped onto further
// lines when wider than the face and centred both ways. It is never a default
// button, so Enter in a text box presses nothing, while Enter on the focused
// button itself presses it, as Space does.
#include <QPushButton>

#include "model/controls.h"
#include "platform/caption_text.h"
#include "platform/control_view.h"

namespace kanmeri::platform {

class ButtonWidget : public QPushButton, public ControlView {
    Q_OBJECT

public:
    ButtonWidget(model::CommandButton& button, Delivery& delivery, QWidget* parent);

    void follow(model::Property property) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    model::CommandButton& button_;
    CaptionLayout caption_;
};

}  // namespace kanmeri::platform
