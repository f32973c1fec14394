#include "platform/frame_style.h"

#include <qdrawutil.h>
#include <QApplication>
#include <QGroupBox>
#include <QImageReader>
#include <QStyleOption>
#include <algorithm>

namespace kanmeri::platform {

namespace {

// Fusion's outline picture and the measures it draws it with.
constexpr char kFusionOutline[] = ":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png";
constexpr QMargins kOutlineCorners(6, 6, 6, 6);
constexpr int kFusionTitleGap = 3;

QPixmap readOutline() {
    QImageReader reader(QString::fromLatin1(kFusionOutline), "png");
    // Named format only: asking the plugins is what this style avoids.
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

}  // namespace

FrameStyle::FrameStyle(QStyle* base) : QProxyStyle(base), outline_(readOutline()) {}

void FrameStyle::installOverFusion() {
    QStyle* current = QApplication::style();
    if (current != nullptr && current->name().compare(u"fusion", Qt::CaseInsensitive) == 0) {
        QApplication::setStyle(new FrameStyle(current));
    }
}

void FrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
    if (element != PE_FrameGroupBox || outline_.isNull()) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // As Fusion: the outline starts below the title's line, or near the top
    // when there is no title to make room for.
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    const bool untitled = box != nullptr && !box->isCheckable() && box->title().isEmpty();
    const int top = untitled ? kFusionTitleGap
                             : std::max(pixelMetric(PM_ExclusiveIndicatorHeight),
                                        option->fontMetrics.height()) +
                                   kFusionTitleGap;
    qDrawBorderPixmap(painter, option->rect.adjusted(0, top, 0, 0), kOutlineCorners, outline_);
}

}  // namespace kanmeri::platform
