#include "platform/widget_factory.h"

#include "model/controls.h"
#include "platform/button_widget.h"
#include "platform/entry_widget.h"
#include "platform/label_widget.h"
#include "platform/option_widgets.h"
#include "platform/shape_widget.h"

namespace kanmeri::platform {

namespace {

template <typename W>
ControlWidget wrap(W* widget) {
    return {widget, [widget](model::Property property) { widget->sync(property); }};
}

}  // namespace

ControlWidget makeWidget(model::Control& control, const Deliver& deliver, QWidget* parent) {
    switch (control.kind()) {
        case model::ControlKind::TextBox:
            return wrap(new EntryWidget(static_cast<model::TextBox&>(control), deliver, parent));
        case model::ControlKind::Label:
            return wrap(new LabelWidget(static_cast<model::Label&>(control), deliver, parent));
        case model::ControlKind::CommandButton:
            return wrap(
                new ButtonWidget(static_cast<model::CommandButton&>(control), deliver, parent));
        case model::ControlKind::OptionButton:
            return wrap(
                new OptionWidget(static_cast<model::OptionButton&>(control), deliver, parent));
        case model::ControlKind::Frame:
            return wrap(new FrameWidget(static_cast<model::Frame&>(control), parent));
        case model::ControlKind::Shape:
            return wrap(new ShapeWidget(static_cast<model::Shape&>(control), parent));
        case model::ControlKind::Timer:
            break;
    }
    return {};
}

}  // namespace kanmeri::platform
