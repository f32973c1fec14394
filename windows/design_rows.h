#pragma once
// Design-time rows of a window's controls and the builders that create a
// control from its row on a form. Positions are twips relative to the parent.
#include <cstdint>
#include <optional>

#include "model/controls.h"
#include "model/form.h"

namespace kanmeri::windows {

struct Row {
    model::TextView name;
    std::optional<std::int16_t> index;  // set for members of a control array
    model::TwipsRect rect;
    int tabIndex = -1;
    model::TextView caption;  // the text of a text box, the caption otherwise
    model::Style style;
    model::Role role = model::Role::None;
    model::TextView accessibleName{};  // empty: the caption names it
    char16_t accessKey = 0;            // with Alt, clicks it; 0 for none
    model::TextView accessibleDescription{};
    bool announces = false;  // a screen reader speaks each caption with text set on it
};

// Fonts of the layouts, all in the one Japanese Gothic face.
// clang-format off
[[nodiscard]] constexpr model::Font bold(float points) { return {points, true, false}; }
[[nodiscard]] constexpr model::Font boldItalic(float points) { return {points, true, true}; }
[[nodiscard]] constexpr model::Font regular(float points) { return {points, false, false}; }
[[nodiscard]] constexpr model::Font regularItalic(float points) { return {points, false, true}; }
// clang-format on

model::TextBox& addTextBox(model::Form& form, const Row& row, model::Alignment alignment);
model::Label& addLabel(model::Form& form, const Row& row, model::LabelDesign look);
model::CommandButton& addButton(model::Form& form, const Row& row);
model::Frame& addFrame(model::Form& form, const Row& row);
model::OptionButton& addOption(model::Form& form, const Row& row, model::Frame& frame,
                               bool selected);
model::Shape& addShape(model::Form& form, const Row& row, model::ShapeDesign look);
// Enabled at load.
model::Timer& addTimer(model::Form& form, model::TextView name, int intervalMs);

}  // namespace kanmeri::windows
