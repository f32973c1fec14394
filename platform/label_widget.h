#pragma once
// A label: its caption drawn over the window's picture (no background of its
// own), optionally inside a 2 px sunken border. With auto-size it writes the
// one-line size of its caption back into the model, which stays the truth.
#include <QWidget>

#include "model/controls.h"
#include "platform/caption_text.h"
#include "platform/deliver.h"

namespace kanmeri::platform {

class LabelWidget : public QWidget {
    Q_OBJECT

public:
    static constexpr int kBorder = 2;  // pixels on each side

    LabelWidget(model::Label& label, Deliver deliver, QWidget* parent);

    // Follows a change of the model label.
    void sync(model::Property property);

    // Raises the label's Click, as a mouse click on it does; nothing when
    // the label has no Click handler. For assistive technology.
    void press();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void followCaption();
    void fitCaption();

    model::Label& label_;
    Deliver deliver_;
    QString caption_;
    CaptionLayout layout_{this};
    bool pressed_ = false;
};

}  // namespace kanmeri::platform
