#pragma once
// The weekday lookup: a date typed into inymd, its weekday told in outyoubi.
#include <array>
#include <cstdint>

#include "model/controls.h"
#include "model/services.h"

namespace kanmeri::features {

// Sunday first.
extern const std::array<model::TextView, 7> kWeekdayNames;

struct DateEntry {
    model::TextBox& inymd;
    model::Label& outyoubi;
};

// The lookup; every failure ends in a message box, the entry blanked and
// focused, and outyoubi unchanged.
void okBotan_Click(DateEntry entry, model::WindowServices& services);
// Blanks the entry to twelve spaces and focuses it.
void noBotan_Click(DateEntry entry, model::WindowServices& services);
// Clears the result to one space.
void inymd_Click(DateEntry entry);
// Keeps the focus in the entry.
void inymd_Change(DateEntry entry, model::WindowServices& services);
// Enter (13) appends one space to the entry; other keys do nothing.
void inymd_KeyPress(DateEntry entry, std::int16_t key);

}  // namespace kanmeri::features
