#pragma once
// A single-line text box. Every typed character reaches the model's KeyPress
// before the text changes; both Enter keys give 13, insert nothing and press
// no button. The input method is kept off: the entries take ASCII dates and
// digits.
#include <QLineEdit>

#include "model/controls.h"
#include "platform/control_view.h"

namespace kanmeri::platform {

class EntryWidget : public QLineEdit, public ControlView {
    Q_OBJECT

public:
    EntryWidget(model::TextBox& box, Delivery& delivery, QWidget* parent);

    void follow(model::Property property) override;
    [[nodiscard]] QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    model::TextBox& box_;
    Delivery& delivery_;
};

}  // namespace kanmeri::platform
