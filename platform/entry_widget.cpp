#include "platform/entry_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <limits>

#include "platform/look.h"

namespace kanmeri::platform {

namespace {

bool isEnter(const QKeyEvent& event) {
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

}  // namespace

EntryWidget::EntryWidget(model::TextBox& box, Deliver deliver, QWidget* parent)
    : QLineEdit(parent), box_(box), deliver_(std::move(deliver)) {
    setFont(toFont(box.style().font));
    setAlignment((box.alignment() == model::Alignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft) |
                 Qt::AlignVCenter);
    setMaxLength(std::numeric_limits<int>::max());
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setFocusPolicy(Qt::StrongFocus);
    setGeometry(toPixels(box.rect()));
    setText(toQString(box.text()));
    setAccessibleName(text());
    connect(this, &QLineEdit::textEdited, this, &EntryWidget::edited);
}

void EntryWidget::sync(model::Property property) {
    if (property == model::Property::Geometry) {
        setGeometry(toPixels(box_.rect()));
        return;
    }
    if (property != model::Property::Text) {
        return;
    }
    const QString next = toQString(box_.text());
    if (next != text()) {
        const QSignalBlocker quiet(this);
        setText(next);
        setAccessibleName(next);
    }
    setCursorPosition(static_cast<int>(box_.caret()));
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
    QPointer<EntryWidget> alive(this);
    if (isEnter(*event)) {
        raiseKeyPress(u'\r');
        // Taken here, so no default button of any dialog or window hears it.
        event->accept();
        return;
    }
    const QString typed = event->text();
    for (const QChar unit : typed) {
        if (unit.unicode() >= 0x20 && unit.unicode() != 0x7F) {
            raiseKeyPress(unit.unicode());
        }
    }
    // A KeyPress handler may have unloaded the window; its widgets are gone
    // from the screen and take no more keys.
    if (alive && isVisible()) {
        QLineEdit::keyPressEvent(event);
    }
}

void EntryWidget::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) {
        deliver_([this] { box_.click.raise(); });
    }
}

void EntryWidget::raiseKeyPress(char16_t code) {
    deliver_([this, code] { box_.keyPress.raise(static_cast<std::int16_t>(code)); });
}

void EntryWidget::edited(const QString& text) {
    setAccessibleName(text);
    const auto caret = static_cast<std::size_t>(cursorPosition());
    deliver_([this, text, caret] { box_.edit(toText(text), caret); });
}

}  // namespace kanmeri::platform
