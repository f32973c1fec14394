#pragma once
// A command button: the style's face under its caption in the caption metrics
// (platform/caption_text.h), wrapped when wider than the face and centred both
// ways. Never a default button: Enter presses only the focused button.
#include <QPushButton>

#include "model/controls.h"
#include "platform/caption_text.h"
#include "platform/control_view.h"

namespace kanmeri::platform {

class ButtonWidget : public QPushButton, public ControlView {
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
