#include "features/fortune.h"

#include <exception>

#include "features/conversions.h"
#include "model/failure.h"

namespace kanmeri::features {

namespace {

constexpr model::TextView kOutOfRange = u"入力間違いです";
constexpr model::TextView kNotANumber = u"入力情報のエラーです";
constexpr model::TextView kErrorFill = u"  ";

// What a draw leaves in kazu and byou; byou is the index of the message.
struct Choice {
    std::int16_t kazu;
    std::int16_t byou;
};

Choice choose(std::int16_t kazu, std::int16_t byou) {
    kazu = sub16(mul16(add16(kazu, 1), 2), 3);
    if (kazu < 0) {
        kazu = 1;
    }
    byou = add16(byou, kazu);
    if (byou > 59) {
        byou = sub16(byou, 59);
    }
    if (byou < 0 || static_cast<std::size_t>(byou) >= kFortuneCount) {
        throw model::Failure(model::Failure::Kind::Subscript);
    }
    return {kazu, byou};
}

// The caption first: once it is set nothing below can fail, so a failed draw
// leaves kazu, byou and secdisp as they were.
void show(FortuneDraw draw, Choice choice) {
    draw.secdisp.setCaption(draw.state.unsei[static_cast<std::size_t>(choice.byou)]);
    draw.state.kazu = choice.kazu;
    draw.state.byou = choice.byou;
}

void refuse(FortuneDraw draw, model::WindowServices& services, model::TextView message) {
    services.messageBox(model::Text(message), model::MessageStyle::OkOnly, std::nullopt);
    draw.insuu.setText(model::Text(kErrorFill));
    services.setFocus(draw.insuu);
}

void drawFrom(FortuneDraw draw, model::WindowServices& services, const model::Clock& clock) {
    const double value = numberFromText(draw.insuu.text());
    if (value < 0.0 || value > 9.0) {
        refuse(draw, services, kOutOfRange);
        return;
    }
    // Worked on copies and committed by show(), so that the state set before
    // the draw does not outlive a draw that fails.
    const std::int16_t kazu = roundToInteger(value);
    const auto byou = static_cast<std::int16_t>(clock.read().time.second);
    show(draw, choose(kazu, byou));
    draw.insuu.setText(model::Text());
}

}  // namespace

void stop_Click(FortuneDraw draw, model::WindowServices& services, const model::Clock& clock) {
    try {
        drawFrom(draw, services, clock);
    } catch (const std::exception&) {
        // model::Failure (not a number, overflow, subscript) and the library's
        // own exceptions alike.
        refuse(draw, services, kNotANumber);
    }
}

void unsei_draw(FortuneDraw draw) {
    show(draw, choose(draw.state.kazu, draw.state.byou));
}

void insuu_Click(FortuneDraw draw) {
    draw.secdisp.setCaption(u" ");
}

void insuu_KeyPress(FortuneDraw draw, std::int16_t key) {
    const model::Text entered = draw.insuu.text();
    if (key == 13) {
        draw.insuu.setText(entered + u" ");
    }
}

}  // namespace kanmeri::features
