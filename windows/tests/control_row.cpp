#include "windows/tests/control_row.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "model/tests/support/printers.h"

namespace kanmeri::windows::testing {

namespace {

using model::ControlKind;
using model::Text;

Text shownText(const model::Control& control) {
    if (control.kind() == ControlKind::TextBox) {
        return static_cast<const model::TextBox&>(control).text();
    }
    return static_cast<const model::CaptionedControl&>(control).caption();
}

Look lookOf(const model::Control& control) {
    Look look;
    if (control.kind() == ControlKind::Label) {
        const auto& label = static_cast<const model::Label&>(control);
        look = {label.border(), label.autoSize(), label.alignment() == model::Alignment::Centre};
    } else if (control.kind() == ControlKind::TextBox) {
        look.centred =
            static_cast<const model::TextBox&>(control).alignment() == model::Alignment::Centre;
    } else if (control.kind() == ControlKind::OptionButton) {
        look.selected = static_cast<const model::OptionButton&>(control).value();
    }
    return look;
}

}  // namespace

const model::Control* findControl(const model::Form& form, model::TextView name,
                                  std::optional<std::int16_t> index) {
    for (const auto& control : form.controls()) {
        if (control->name() == name && control->index() == index) {
            return control.get();
        }
    }
    return nullptr;
}

void expectRow(const model::Form& form, const ControlRow& row) {
    const model::Control* control = findControl(form, row.control, row.index);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->kind(), row.kind);
    const model::TwipsRect& r = control->rect();
    EXPECT_EQ((std::array{r.left, r.top, r.width, r.height}),
              (std::array{row.rect.left, row.rect.top, row.rect.width, row.rect.height}));
    EXPECT_EQ(control->tabIndex(), row.tab);
    // Readable first, then by code point, blanks included.
    EXPECT_EQ(kanmeri::testing::utf8(shownText(*control)), kanmeri::testing::utf8(row.caption));
    EXPECT_EQ(shownText(*control), Text(row.caption));
    const model::Font& font = control->style().font;
    EXPECT_EQ((std::tuple{font.points, font.bold, font.italic}),
              (std::tuple{row.font.points, row.font.bold, row.font.italic}));
    EXPECT_EQ(control->style().foreColour, row.fore);
    EXPECT_EQ(control->style().backColour, row.back);
    const Look look = lookOf(*control);
    EXPECT_EQ(
        (std::array{look.border, look.autoSize, look.centred, look.selected}),
        (std::array{row.look.border, row.look.autoSize, row.look.centred, row.look.selected}));
    EXPECT_EQ(Text(control->parent() ? control->parent()->name() : u""), Text(row.parent));
}

}  // namespace kanmeri::windows::testing
