#pragma once
// One control of a window design as a named test row, and the check of a
// loaded form against it.
#include <cstdint>
#include <optional>
#include <ostream>

#include "model/controls.h"
#include "model/form.h"

namespace kanmeri::windows::testing {

struct Look {
    bool border = false;
    bool autoSize = false;
    bool centred = false;
    bool selected = false;  // option buttons
};

struct ControlRow {
    const char* name;
    const char16_t* control;
    std::optional<std::int16_t> index;
    model::ControlKind kind;
    model::TwipsRect rect;
    int tab;
    const char16_t* caption;  // the text of a text box
    model::Font font;
    std::optional<model::Rgb> fore = {};
    std::optional<model::Rgb> back = {};
    Look look = {};
    const char16_t* parent = u"";  // the frame, or none for the window
};

inline void PrintTo(const ControlRow& row, std::ostream* os) {
    *os << row.name;
}

// The control of that name (and index, for a member of a control array), or null.
[[nodiscard]] const model::Control* findControl(const model::Form& form, model::TextView name,
                                                std::optional<std::int16_t> index = {});

// Name, kind, geometry, tab position, text, font, colours, look and parent.
void expectRow(const model::Form& form, const ControlRow& row);

}  // namespace kanmeri::windows::testing
