#include "platform/frame_style.h"

#include <qdrawutil.h>
#include <QApplication>
#include <QGroupBox>
#include <QImageReader>
#include <QLineEdit>
#include <QPainter>
#include <QStyleOption>
#include <algorithm>

namespace kanmeri::platform {

namespace {

// Fusion's outline picture and the measures it draws it with.
constexpr char kFusionOutline[] = ":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png";
constexpr QMargins kOutlineCorners(6, 6, 6, 6);
constexpr int kFusionTitleGap = 3;

// Text box panels kept: a few boxes, each focused or not.
constexpr std::size_t kPanelsKept = 8;

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
    if (element == PE_FrameGroupBox && !outline_.isNull()) {
        drawGroupOutline(option, painter, widget);
    } else if (element == PE_PanelLineEdit && qobject_cast<const QLineEdit*>(widget) != nullptr) {
        drawTextPanel(option, painter, widget);
    } else {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void FrameStyle::drawGroupOutline(const QStyleOption* option, QPainter* painter,
                                  const QWidget* widget) const {
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

void FrameStyle::drawTextPanel(const QStyleOption* option, QPainter* painter,
                               const QWidget* widget) const {
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    const PanelLook look{option->rect.size(),
                         painter->device()->devicePixelRatio(),
                         static_cast<unsigned>(option->state),
                         frame != nullptr ? frame->lineWidth : -1,
                         option->direction,
                         option->palette.cacheKey()};
    const auto found = std::find_if(panels_.begin(), panels_.end(),
                                    [&look](const Panel& panel) { return panel.look == look; });
    if (found != panels_.end()) {
        painter->drawPixmap(option->rect.topLeft(), found->pixels);
        return;
    }
    QPixmap pixels(look.size * look.ratio);
    pixels.setDevicePixelRatio(look.ratio);
    pixels.fill(Qt::transparent);
    QPainter onPanel(&pixels);
    const auto drawAtOrigin = [&](auto moved) {
        moved.rect.moveTo(0, 0);
        QProxyStyle::drawPrimitive(PE_PanelLineEdit, &moved, &onPanel, widget);
    };
    if (frame != nullptr) {
        drawAtOrigin(*frame);
    } else {
        drawAtOrigin(*option);
    }
    onPanel.end();
    if (panels_.size() == kPanelsKept) {
        panels_.erase(panels_.begin());
    }
    panels_.push_back({look, pixels});
    painter->drawPixmap(option->rect.topLeft(), pixels);
}

}  // namespace kanmeri::platform
