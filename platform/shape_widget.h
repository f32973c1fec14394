#pragma once
// A rectangle shape: an opaque fill inside a 1 px plain border. A shape laid
// over an earlier shape with the same top-left corner is the filled part of a
// bar whose outline is that earlier shape; it tells assistive technology
// when its width changes.
#include <QFrame>
#include <QPointer>

#include "model/controls.h"

namespace kanmeri::platform {

class ShapeWidget : public QFrame {
    Q_OBJECT

public:
    ShapeWidget(model::Shape& shape, QWidget* parent);

    void sync(model::Property property);

    // The outline this shape fills, if it is the filled part of a bar.
    void setOutline(ShapeWidget* outline);
    [[nodiscard]] ShapeWidget* outline() const { return outline_; }
    // Width of the model shape in twips, exactly as set.
    [[nodiscard]] float modelWidth() const { return shape_.width(); }
    // The share of its outline that a bar's filled part covers, 0 to 1 (from
    // the model's widths); 0 for a shape that fills no outline.
    [[nodiscard]] double filledShare() const;

private:
    model::Shape& shape_;
    QPointer<ShapeWidget> outline_;
};

}  // namespace kanmeri::platform
