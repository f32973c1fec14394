#pragma once
// The design of both windows' drawn controls as one table of named test
// rows, and the check of a loaded form against a row. The model's tests and
// the widget tests both read it, so each design value is written once.
#include <cstdint>
#include <optional>
#include <ostream>
#include <vector>

#include "model/controls.h"
#include "model/form.h"

namespace kanmeri::windows::testing {

struct Look {
    bool border = false;
    bool autoSize = false;  // rect gives only the top-left; the size is the caption's
    bool centred = false;
    bool selected = false;  // option buttons
};

struct DesignRow {
    const char* name;  // the test row: window and control
    bool clockWindow;
    const char16_t* control;
    std::optional<std::int16_t> index;
    model::ControlKind kind;
    model::TwipsRect rect;  // relative to the parent
    int tab;
    const char16_t* caption;  // the text of a text box
    model::Font font;
    std::optional<model::Rgb> fore = {};
    std::optional<model::Rgb> back = {};
    Look look = {};
    const char16_t* parent = u"";  // the frame, or none for the window
    model::Role role = model::Role::StaticText;
    const char16_t* accessibleName = nullptr;  // null: the caption names it
    char16_t accessKey = 0;
};

inline void PrintTo(const DesignRow& row, std::ostream* os) {
    *os << row.name;
}

// Every drawn control of the main window, then of the clock window.
[[nodiscard]] const std::vector<DesignRow>& designRows();

// The control of that name (and index, for a member of a control array), or null.
[[nodiscard]] const model::Control* findControl(const model::Form& form, model::TextView name,
                                                std::optional<std::int16_t> index = {});

// Name, kind, top-left (and size unless auto-size), tab position, text, font,
// colours, look, parent, role, accessible name and access key.
void expectRow(const model::Form& form, const DesignRow& row);

}  // namespace kanmeri::windows::testing
