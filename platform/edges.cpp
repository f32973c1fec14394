#include "platform/edges.h"

namespace kanmeri::platform {

void drawEdges(QPainter& painter, const QRect& box, const QColor& topLeft,
               const QColor& bottomRight) {
    if (box.isEmpty()) {
        return;
    }
    painter.fillRect(QRect(box.topLeft(), box.topRight()), topLeft);
    painter.fillRect(QRect(box.topLeft(), box.bottomLeft()), topLeft);
    painter.fillRect(QRect(box.bottomLeft(), box.bottomRight()), bottomRight);
    painter.fillRect(QRect(box.topRight(), box.bottomRight()), bottomRight);
}

}  // namespace kanmeri::platform
