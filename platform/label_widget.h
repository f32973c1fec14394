#pragma once
// A label: its caption over the window's picture in the caption metrics
// (platform/caption_text.h), optionally in a 2 px sunken panel. Lines are as
// wide as the inner box and start at the top edge, border or not; the caption
// is clipped to the label.
#include "model/controls.h"
#include "platform/caption_text.h"
#include "platform/control_view.h"

namespace kanmeri::platform {

class LabelWidget : public DrawnControl {
    Q_OBJECT

public:
    LabelWidget(model::Label& label, Delivery& delivery, QWidget* parent);

    void follow(model::Property property) override;
    // Whether the label has a Click handler, so that pressing it does something.
    [[nodiscard]] bool pressable() const override { return label_.click.bound(); }
    // Raises the label's Click, as a mouse click on it does.
    void press() override;

    // The caption as laid out for the label's inner width.
    [[nodiscard]] const CaptionLayout& caption() const;
    // Where the first line's top-left lies in the label.
    [[nodiscard]] QPointF captionOrigin() const { return {contentsRect().left() * 1.0, 0.0}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    model::Label& label_;
    const CaptionMeasure* measure_;  // the window's, when it is the program's
    Delivery& delivery_;
    mutable std::unique_ptr<CaptionLayout> caption_;  // null until next drawn
    bool pressed_ = false;
};

}  // namespace kanmeri::platform
