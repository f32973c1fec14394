#include "platform/tests/scratch_window.h"

#include <string>

#include "model/centring.h"

namespace kanmeri::platform::testing {

using model::ControlDesign;
using model::Font;
using model::Style;
using model::TwipsRect;

namespace {

TwipsRect px(float left, float top, float width, float height) {
    return {left * 15, top * 15, width * 15, height * 15};
}

ControlDesign design(model::Text name, TwipsRect rect, int tab, Font font, model::Role role,
                     std::optional<model::Rgb> fore = {}, std::optional<model::Rgb> back = {},
                     model::Text accessibleName = {}) {
    return {std::move(name),          {}, rect, tab, Style{font, fore, back}, role,
            std::move(accessibleName)};
}

model::Text number(int value) {
    const std::string digits = std::to_string(value);
    return {digits.begin(), digits.end()};
}

}  // namespace

ScratchForm::ScratchForm(model::Window& window)
    : Form(window),
      outline(
          add<model::Shape>(design(u"outline", px(10, 200, 200, 9), -1, {}, model::Role::Graphic),
                            model::ShapeDesign{0xFFFFFF, 0x000000})),
      filled(add<model::Shape>(design(u"filled", px(10, 200, 50, 9), -1, {},
                                      model::Role::ProgressBar, {}, {}, u"秒の進み"),
                               model::ShapeDesign{0x008000, 0x000000, &outline})),
      boxed(add<model::Label>(design(u"boxed", px(10, 10, 100, 20), -1, {12, true, true},
                                     model::Role::StaticText, 0x008000),
                              u"  12:01:02(am)  ", model::LabelDesign{true, true})),
      wrapped(add<model::Label>(design(u"wrapped", px(10, 40, 60, 60), -1, {11.25F, true, false},
                                       model::Role::StaticText, 0x800000),
                                u"今日から１週間の運勢占いです。",
                                model::LabelDesign{false, false, model::Alignment::Centre})),
      clicky(add<model::Label>(design(u"clicky", px(150, 10, 49, 25), -1, {14.25F, true, false},
                                      model::Role::StaticText),
                               u"ＧＯ", model::LabelDesign{true, false, model::Alignment::Centre})),
      frame(add<model::Frame>(design(u"frame", px(200, 40, 121, 65), -1, {9.75F, true, false},
                                     model::Role::Group, {}, 0xF1EBCB),
                              u"時刻表示切替")),
      first(add<model::OptionButton>(design(u"first", px(8, 16, 105, 25), 1, {9, true, false},
                                            model::Role::Option, {}, 0xF1EBCB),
                                     u"１２時間表示", true, &frame)),
      second(add<model::OptionButton>(design(u"second", px(8, 40, 105, 17), 2, {9, true, false},
                                             model::Role::Option, {}, 0xF1EBCB),
                                      u"２４時間表示", false, &frame)),
      entry(add<model::TextBox>(design(u"entry", px(10, 120, 137, 28), 0, {14.25F, true, false},
                                       model::Role::Entry, {}, {}, u"探す日付"),
                                model::TextBoxDesign{})),
      digits(add<model::TextBox>(
          design(u"digits", px(160, 120, 25, 30), 4, {15.75F, false, false}, model::Role::Entry),
          model::TextBoxDesign{model::Alignment::Centre})),
      press(add<model::CommandButton>(
          design(u"press", px(200, 120, 57, 25), 3, {14.25F, true, false}, model::Role::Button),
          u"ＯＫ")),
      quit(add<model::CommandButton>(
          design(u"quit", px(200, 160, 97, 41), 5, {9, true, false}, model::Role::Button),
          u"このプログラムの終了ボタン")),
      timer(add<model::Timer>(design(u"timer", {}, -1, {}, model::Role::None), 100, true)) {}

ScratchWindow::ScratchWindow(model::WindowServices& services)
    : Window({u"scratch", u"試験　ウィンドウ", 5100, 3600, 0xFFFFFF, "", ""}),
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
    f.timer.timer.bind([this] { ++ticks; });
    return form;
}

void ScratchWindow::formLoad() {
    model::centre(*this, services_.screenSize());
}

}  // namespace kanmeri::platform::testing
