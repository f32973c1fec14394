#include "windows/design_rows.h"

namespace kanmeri::windows {

namespace {
model::ControlDesign designOf(const Row& row) {
    return {model::Text(row.name),
            row.index,
            row.rect,
            row.tabIndex,
            row.style,
            row.role,
            model::Text(row.accessibleName),
            row.accessKey,
            model::Text(row.accessibleDescription),
            row.announces};
}
}  // namespace

model::TextBox& addTextBox(model::Form& form, const Row& row, model::Alignment alignment) {
    auto& box = form.add<model::TextBox>(designOf(row), model::TextBoxDesign{alignment});
    // A design text is assigned before any handler is bound, so no Change fires.
    box.setText(model::Text(row.caption));
    return box;
}

model::Label& addLabel(model::Form& form, const Row& row, model::LabelDesign look) {
    return form.add<model::Label>(designOf(row), model::Text(row.caption), look);
}

model::CommandButton& addButton(model::Form& form, const Row& row) {
    return form.add<model::CommandButton>(designOf(row), model::Text(row.caption));
}

model::Frame& addFrame(model::Form& form, const Row& row) {
    return form.add<model::Frame>(designOf(row), model::Text(row.caption));
}

model::OptionButton& addOption(model::Form& form, const Row& row, model::Frame& frame,
                               bool selected) {
    return form.add<model::OptionButton>(designOf(row), model::Text(row.caption), selected, &frame);
}

model::Shape& addShape(model::Form& form, const Row& row, model::ShapeDesign look) {
    return form.add<model::Shape>(designOf(row), look);
}

model::Timer& addTimer(model::Form& form, model::TextView name, int intervalMs) {
    return form.add<model::Timer>(model::ControlDesign{model::Text(name), {}, {}, -1, {}},
                                  intervalMs, true);
}

}  // namespace kanmeri::windows
