#include "platform/entry_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <limits>

#include "platform/look.h"

namespace kanmeri::platform {

EntryWidget::EntryWidget(model::TextBox& box, Delivery& delivery, QWidget* parent)
    : QLineEdit(parent), box_(box), delivery_(delivery) {
    setFont(toFont(box.style().font));
    setAlignment((box.alignment() == model::Alignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft) |
                 Qt::AlignVCenter);
    setMaxLength(std::numeric_limits<int>::max());
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setFocusPolicy(Qt::StrongFocus);
    setGeometry(toPixels(box.rect()));
    setText(toQString(box.text()));
    followAccess(*this, box);
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        const auto caret = static_cast<std::size_t>(cursorPosition());
        delivery_.change(box_, [this, &text, caret] { box_.edit(toText(text), caret); });
    });
}

void EntryWidget::follow(model::Property property) {
    if (property == model::Property::Geometry) {
        setGeometry(toPixels(box_.rect()));
    } else if (property == model::Property::Text) {
        // The user's own edit comes back here unchanged; only a handler's
        // assignment moves the caret (to where the model put it).
        if (const QString next = toQString(box_.text()); next != text()) {
            const QSignalBlocker quiet(this);
            setText(next);
            setCursorPosition(static_cast<int>(box_.caret()));
        }
    }
}

QVariant EntryWidget::inputMethodQuery(Qt::InputMethodQuery query) const {
    // Qt 6 line edits ignore WA_InputMethodEnabled; this is what the input
    // method actually asks.
    if (query == Qt::ImEnabled) {
        return false;
    }
    return QLineEdit::inputMethodQuery(query);
}

void EntryWidget::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        delivery_.raise(box_, box_.keyPress, std::int16_t{13});
        // Taken here, so no default button of any dialog or window hears it.
        event->accept();
        return;
    }
    for (const QChar unit : event->text()) {
        if (unit.unicode() >= 0x20 && unit.unicode() != 0x7F) {
            delivery_.raise(box_, box_.keyPress, static_cast<std::int16_t>(unit.unicode()));
        }
    }
    QLineEdit::keyPressEvent(event);
}

void EntryWidget::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) {
        delivery_.raise(box_, box_.click);
    }
}

}  // namespace kanmeri::platform
