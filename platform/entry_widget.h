#pragma once
// A single-line text box. Every typed character reaches the model's KeyPress
// before the text changes; both Enter keys give 13, insert nothing and press
// no button. The input method is kept off: the entries take ASCII dates and
// digits.
#include <QLineEdit>

#include "model/controls.h"
#include "platform/deliver.h"

namespace kanmeri::platform {

class EntryWidget : public QLineEdit {
    Q_OBJECT

public:
    EntryWidget(model::TextBox& box, Deliver deliver, QWidget* parent);

    void sync(model::Property property);

    [[nodiscard]] QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void raiseKeyPress(char16_t code);
    void edited(const QString& text);

    model::TextBox& box_;
    Deliver deliver_;
};

}  // namespace kanmeri::platform
