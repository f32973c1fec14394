#include "features/fortune.h"

#include <exception>

#include "features/conversions.h"
#include "model/failure.h"

namespace kanmeri::features {

namespace {

constexpr model::TextView kOutOfRange = u"入力間違いです";
constexpr model::TextView kNotANumber = u"入力情報のエラーです";
constexpr model::TextView kErrorFill = u"  ";

void refuse(FortuneDraw draw, model::WindowServices& services, model::TextView message) {
    services.messageBox(model::Text(message), model::MessageStyle::OkOnly, std::nullopt);
    draw.insuu.setText(model::Text(kErrorFill));
    services.setFocus(draw.insuu);
}

}  // namespace

void stop_Click(FortuneDraw draw, model::WindowServices& services, const model::Clock& clock) {
    try {
        const double value = numberFromText(draw.insuu.text());
        if (value < 0.0 || value > 9.0) {
            refuse(draw, services, kOutOfRange);
            return;
        }
        // The clock is read first, so that a failure to read it leaves kazu as it was.
        const int second = clock.read().time.second;
        draw.state.kazu = roundToInteger(value);
        draw.state.byou = static_cast<std::int16_t>(second);
        unsei_draw(draw);
        draw.insuu.setText(model::Text());
    } catch (const std::exception&) {
        // model::Failure (not a number, overflow, subscript) and the library's
        // own exceptions alike.
        refuse(draw, services, kNotANumber);
    }
}

void unsei_draw(FortuneDraw draw) {
    std::int16_t& kazu = draw.state.kazu;
    std::int16_t& byou = draw.state.byou;
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
    draw.secdisp.setCaption(draw.state.unsei[static_cast<std::size_t>(byou)]);
}

void insuu_Click(FortuneDraw draw) {
    draw.secdisp.setCaption(u" ");
}

void insuu_KeyPress(FortuneDraw draw, std::int16_t key) {
    if (key == 13) {
        draw.insuu.setText(draw.insuu.text() + u" ");
    }
}

}  // namespace kanmeri::features
