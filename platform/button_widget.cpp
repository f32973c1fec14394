#include "platform/button_widget.h"

#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "platform/look.h"

namespace kanmeri::platform {

ButtonWidget::ButtonWidget(model::CommandButton& button, Delivery& delivery, QWidget* parent)
    : QPushButton(parent), button_(button) {
    applyStyle(*this, button);
    setAutoDefault(false);
    setDefault(false);
    setFocusPolicy(Qt::StrongFocus);
    follow(model::Property::Caption);
    connect(this, &QPushButton::clicked, this,
            [this, &delivery] { delivery.deliver(&button_, raising(button_.click)); });
}

void ButtonWidget::follow(model::Property property) {
    if (property == model::Property::Caption) {
        // The text serves accessibility and size hints; the face is drawn
        // below so that long captions wrap.
        setText(toQString(button_.caption()));
        caption_.setText(text(), font());
        update();
    }
}

void ButtonWidget::paintEvent(QPaintEvent* /*event*/) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect face =
        style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).adjusted(1, 0, -1, 0);
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.setClipRect(face);
    const int lines = caption_.layOut(face.width(), true);
    const int top = face.top() + (face.height() - lines * caption_.lineHeight()) / 2;
    caption_.draw(painter, QPointF(face.left(), top));
}

void ButtonWidget::keyPressEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat() &&
        (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        event->accept();
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

}  // namespace kanmeri::platform
