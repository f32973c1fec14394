#include "platform/tests/scratch_window.h"

#include <string>

#include "platform/caption_text.h"

namespace kanmeri::platform::testing {

namespace {

const CaptionMeasure kMeasure;

model::TwipsRect px(float left, float top, float width, float height) {
    return {left * 15, top * 15, width * 15, height * 15};
}

model::Text number(int value) {
    const std::string digits = std::to_string(value);
    return {digits.begin(), digits.end()};
}

}  // namespace

// clang-format off
ScratchForm::ScratchForm(model::Window& window)
    : Form(window),
      outline(add<model::Shape>({.name = u"outline", .rect = px(10, 200, 200, 9)})),
      filled(add<model::Shape>({.name = u"filled", .rect = px(10, 200, 50, 9), .accessibleName = u"秒の進み", .fill = 0x008000, .bar = &outline})),
      boxed(add<model::Label>({.name = u"boxed", .rect = px(10, 10, 100, 20), .caption = u"  12:01:02(am)  ", .font = {12, true, true}, .fore = 0x008000, .border = true, .autoSize = true})),
      wrapped(add<model::Label>({.name = u"wrapped", .rect = px(10, 40, 60, 60), .caption = u"今日から１週間の運勢占いです。", .font = {11.25F, true, false}, .fore = 0x800000, .alignment = model::Alignment::Centre})),
      clicky(add<model::Label>({.name = u"clicky", .rect = px(150, 10, 49, 25), .caption = u"ＧＯ", .font = {14.25F, true, false}, .alignment = model::Alignment::Centre, .border = true})),
      frame(add<model::Frame>({.name = u"frame", .rect = px(200, 40, 121, 65), .caption = u"時刻表示切替", .font = {9.75F, true, false}, .back = 0xF1EBCB})),
      first(add<model::OptionButton>({.name = u"first", .rect = px(8, 16, 105, 25), .tab = 1, .caption = u"１２時間表示", .font = {9, true, false}, .back = 0xF1EBCB, .frame = &frame, .selected = true})),
      second(add<model::OptionButton>({.name = u"second", .rect = px(8, 40, 105, 17), .tab = 2, .caption = u"２４時間表示", .font = {9, true, false}, .back = 0xF1EBCB, .frame = &frame})),
      entry(add<model::TextBox>({.name = u"entry", .rect = px(10, 120, 137, 28), .tab = 0, .font = {14.25F, true, false}, .accessibleName = u"探す日付"})),
      digits(add<model::TextBox>({.name = u"digits", .rect = px(160, 120, 25, 30), .tab = 4, .font = {15.75F, false, false}, .alignment = model::Alignment::Centre})),
      press(add<model::CommandButton>({.name = u"press", .rect = px(200, 120, 57, 25), .tab = 3, .caption = u"ＯＫ", .font = {14.25F, true, false}})),
      quit(add<model::CommandButton>({.name = u"quit", .rect = px(200, 160, 97, 41), .tab = 5, .caption = u"このプログラムの終了ボタン", .font = {9, true, false}})),
      timer(add<model::Timer>({.name = u"timer", .interval = 100})) {}
// clang-format on

ScratchWindow::ScratchWindow(model::WindowServices& services)
    : Window({u"scratch", u"試験　ウィンドウ", 5100, 3600, 0xFFFFFF, "", ""}, kMeasure),
      services_(services) {}

std::unique_ptr<model::Form> ScratchWindow::createForm() {
    auto form = std::make_unique<ScratchForm>(*this);
    ScratchForm& f = *form;
    f.entry.keyPress.bind([this, &f](std::int16_t key) {
        events.push_back(u"KeyPress " + number(key));
        if (key == 13) {
            f.entry.setText(f.entry.text() + u" ");
        }
    });
    f.entry.change.bind([this] { events.push_back(u"Change"); });
    f.entry.click.bind([this] { events.push_back(u"Click entry"); });
    f.clicky.click.bind([this] { events.push_back(u"Click clicky"); });
    f.press.click.bind([this] {
        events.push_back(u"Click press");
        if (onPress) {
            onPress();
        }
    });
    f.quit.click.bind([this] {
        services_.unloadWindow(*this);
        services_.endProgram();
    });
    f.timer.timer.bind([this] {
        ++ticks;
        if (onTick) {
            onTick();
        }
    });
    return form;
}

void ScratchWindow::formLoad() {
    centre(services_.screenSize());
}

}  // namespace kanmeri::platform::testing
