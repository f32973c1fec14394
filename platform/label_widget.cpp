#include "platform/label_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/caption_text.h"
#include "platform/edges.h"
#include "platform/look.h"

namespace kanmeri::platform {

namespace {

void drawSunkenBorder(QPainter& painter, const QRect& r) {
    drawEdges(painter, r, QColor(0x80, 0x80, 0x80), QColor(0xFF, 0xFF, 0xFF));
    drawEdges(painter, r.adjusted(1, 1, -1, -1), QColor(0x40, 0x40, 0x40),
              QColor(0xD4, 0xD0, 0xC8));
}

}  // namespace

LabelWidget::LabelWidget(model::Label& label, Deliver deliver, QWidget* parent)
    : QWidget(parent), label_(label), deliver_(std::move(deliver)) {
    setFocusPolicy(Qt::NoFocus);
    setFont(toFont(label.style().font));
    if (label.style().foreColour) {
        QPalette p = palette();
        p.setColor(QPalette::WindowText, toColour(*label.style().foreColour));
        setPalette(p);
    }
    setGeometry(toPixels(label.rect()));
    followCaption();
}

void LabelWidget::sync(model::Property property) {
    if (property == model::Property::Caption) {
        followCaption();
    } else if (property == model::Property::Geometry) {
        setGeometry(toPixels(label_.rect()));
    }
}

void LabelWidget::followCaption() {
    caption_ = toQString(label_.caption());
    const std::optional<int> unchanged = layout_.setText(caption_, font());
    setAccessibleName(caption_);
    const QRect before = geometry();
    if (label_.autoSize()) {
        fitCaption();
        // The model's notice may come before the view knows this widget.
        setGeometry(toPixels(label_.rect()));
    }
    // A running clock changes its last digits: redraw only from there, which
    // an auto-size label (never wrapped) that kept its size allows.
    if (unchanged && label_.autoSize() && geometry() == before) {
        const int left = (label_.border() ? kBorder : 0) + *unchanged;
        update(QRect(left, 0, width() - left, height()));
    } else {
        update();
    }
}

void LabelWidget::fitCaption() {
    const int border = label_.border() ? 2 * kBorder : 0;
    const QSize text = layout_.oneLineSize();
    model::TwipsRect rect = label_.rect();
    rect.width = toTwips(text.width() + border);
    rect.height = toTwips(text.height() + border);
    label_.setRect(rect);
}

void LabelWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    QRect box = rect();
    if (label_.border()) {
        drawSunkenBorder(painter, box);
        box.adjust(kBorder, kBorder, -kBorder, -kBorder);
    }
    painter.setPen(palette().color(QPalette::WindowText));
    layout_.draw(painter, box, label_.alignment() == model::Alignment::Centre);
}

void LabelWidget::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void LabelWidget::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) {
        press();
    }
}

void LabelWidget::press() {
    if (label_.click.bound()) {
        deliver_([this] { label_.click.raise(); });
    }
}

}  // namespace kanmeri::platform
