#pragma once
// The weekly fortune: a digit typed into insuu and the current second choose
// one of the 61 messages, shown in secdisp.
#include <array>
#include <cstdint>

#include "model/clock.h"
#include "model/controls.h"
#include "model/services.h"

namespace kanmeri::features {

inline constexpr std::size_t kFortuneCount = 61;  // indexes 0..60
using FortuneTable = std::array<model::Text, kFortuneCount>;

// Per-window variables of the main window.
struct FortuneState {
    std::int16_t kazu = 0;  // the accepted number, then its transformed value
    std::int16_t byou = 0;  // the second, then the index of the message shown
    FortuneTable unsei;
};

struct FortuneDraw {
    model::TextBox& insuu;
    model::Label& secdisp;
    FortuneState& state;
};

// Fills indexes 0..60 in order, replacing what the table held.
void unsei_set(FortuneTable& unsei);

// The draw: sets kazu to the number typed and byou to the current second, then
// runs unsei_draw. A failure ends in a message box, insuu blanked and focused;
// one before the draw leaves kazu, byou and secdisp unchanged.
void stop_Click(FortuneDraw draw, model::WindowServices& services, const model::Clock& clock);
// Turns kazu into its offset and byou into a message's index and shows it;
// throws model::Failure on overflow or an index outside 0..60.
void unsei_draw(FortuneDraw draw);
// Clears the message to one space.
void insuu_Click(FortuneDraw draw);
// Enter (13) appends one space to the entry; other keys do nothing.
void insuu_KeyPress(FortuneDraw draw, std::int16_t key);

}  // namespace kanmeri::features
