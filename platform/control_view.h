#pragma once
// What draws one control: a widget (for a timer, a QTimer) that follows the
// control and hands the user's events to its window view's delivery.
#include <QFrame>
#include <QKeySequence>

#include "model/control.h"
#include "platform/delivery.h"

namespace kanmeri::platform {

class ControlView {
public:
    virtual ~ControlView() = default;

    // Follows what the control shows; FormView follows its place and name.
    virtual void follow(model::Property /*property*/) {}
};

// A control the program draws itself on a plain frame (labels, shapes), in
// its control's role to assistive technology (platform/accessibility.h). Alt
// and its access key press it whenever its window is the active one.
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

// The view of `control`, named after it ("name(1)" in a control array), owned
// by `parent`: the window's view, or the widget of the frame that holds it.
ControlView* makeView(model::Control& control, Delivery& delivery, QWidget* parent);

}  // namespace kanmeri::platform
