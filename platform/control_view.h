#pragma once
// What draws one control: a widget (or, for a timer, a QTimer) made from the
// control by makeView. It follows the control and hands the user's events to
// the control's handlers through the delivery of its window's view.
#include <QFrame>
#include <QKeySequence>

#include "model/control.h"
#include "platform/delivery.h"

namespace kanmeri::platform {

class ControlView {
public:
    virtual ~ControlView() = default;

    // Follows a change of what the control shows (text, caption, value).
    // Where it stands and what assistive technology hears of it the window's
    // view follows alike for every control (FormView).
    virtual void follow(model::Property /*property*/) {}
};

// A control the program draws on a plain frame itself (labels and shapes).
// Assistive technology finds it in the control's role (platform/accessibility.h).
// A control with an access key is pressed by Alt and that key whenever its
// window is the active one.
class DrawnControl : public QFrame, public ControlView {
    Q_OBJECT

public:
    DrawnControl(const model::Control& control, QWidget* parent);

    [[nodiscard]] model::Role role() const { return role_; }
    // Alt and the control's access key; empty for none.
    [[nodiscard]] const QKeySequence& accessKey() const { return accessKey_; }
    // Whether pressing it does something, and doing so as a click does.
    [[nodiscard]] virtual bool pressable() const { return false; }
    virtual void press() {}

private:
    model::Role role_;
    QKeySequence accessKey_;
};

// The view of `control`, named after it ("name(1)" for a member of a
// control array), owned by `parent`: the window's view, or the frame's widget
// for a control inside a frame.
ControlView* makeView(model::Control& control, Delivery& delivery, QWidget* parent);

}  // namespace kanmeri::platform
