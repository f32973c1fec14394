#pragma once
// A rectangle shape: opaque fill with a 1 px border. A shape laid over an
// earlier shape with the same top-left corner is the filled part of a bar
// whose outline is that earlier shape; it reports its share of the outline
// to assistive technology.
#include <QPointer>
#include <QWidget>

#include "model/controls.h"

namespace kanmeri::platform {

class ShapeWidget : public QWidget {
    Q_OBJECT

public:
    ShapeWidget(model::Shape& shape, QWidget* parent);

    void sync(model::Property property);

    // The outline this shape fills, if it is the filled part of a bar.
    void setOutline(ShapeWidget* outline);
    [[nodiscard]] ShapeWidget* outline() const { return outline_; }
    // Width of the model shape in twips, exactly as set.
    [[nodiscard]] float modelWidth() const { return shape_.width(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    model::Shape& shape_;
    QPointer<ShapeWidget> outline_;
};

}  // namespace kanmeri::platform
