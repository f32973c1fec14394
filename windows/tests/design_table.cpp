#include "windows/tests/design_table.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "model/tests/support/printers.h"

namespace kanmeri::windows::testing {

namespace {

using K = model::ControlKind;
using R = model::Role;
using model::Text;

constexpr model::Font kB825{8.25F, true, false};
constexpr model::Font kB9{9, true, false};
constexpr model::Font kB975{9.75F, true, false};
constexpr model::Font kB1125{11.25F, true, false};
constexpr model::Font kB12{12, true, false};
constexpr model::Font kBI12{12, true, true};
constexpr model::Font kB1425{14.25F, true, false};
constexpr model::Font kBI1425{14.25F, true, true};
constexpr model::Rgb kGreen = 0x008000;
constexpr model::Rgb kCream = 0xF1EBCB;
constexpr model::Rgb kWhite = 0xFFFFFB;
constexpr Look kBorderAuto{.border = true, .autoSize = true};
constexpr bool kMain = false;
constexpr bool kClock = true;

// clang-format off
const std::vector<DesignRow> kRows = {
    {"main_inymd", kMain, u"inymd", {}, K::TextBox, {2400, 2280, 2055, 420}, 0, u"", kB1425,
        {}, {}, {}, u"", R::Entry, u"お探しの年月日（yyyy/mm/dd）"},
    {"main_dspdate", kMain, u"dspdate", {}, K::Label, {840, 840, 3075, 300}, 1,
        u"xxxxxxxxxxxxxxxxxxxxxxxxx", kBI12, kGreen, {}, kBorderAuto},
    {"main_dsptime", kMain, u"dsptime", {}, K::Label, {4320, 840, 1875, 300}, 2,
        u"  12:01:02(am)  ", kBI12, kGreen, {}, kBorderAuto},
    {"main_dsp01", kMain, u"dsp01", {}, K::Label, {2160, 360, 3615, 375}, 3,
        u"   ただ今の日付と時刻です", kB12, kGreen},
    {"main_Frame1", kMain, u"Frame1", {}, K::Frame, {6600, 360, 1815, 975}, 4,
        u"時刻表示切替", kB975, {}, kCream, {}, u"", R::Group},
    {"main_outtime0", kMain, u"outtime", 0, K::OptionButton, {120, 240, 1575, 375}, 5,
        u"１２時間表示", kB9, {}, kCream, {.selected = true}, u"Frame1", R::Option},
    {"main_outtime1", kMain, u"outtime", 1, K::OptionButton, {120, 600, 1575, 255}, 6,
        u"２４時間表示", kB9, {}, kCream, {}, u"Frame1", R::Option},
    {"main_noBotan", kMain, u"noﾎﾞﾀﾝ", {}, K::CommandButton, {5880, 2280, 855, 375}, 7,
        u"ｷｬﾝｾﾙ", kB975, {}, {}, {}, u"", R::Button},
    {"main_okBotan", kMain, u"okﾎﾞﾀﾝ", {}, K::CommandButton, {4800, 2280, 855, 375}, 8,
        u"ＯＫ", kB1425, {}, {}, {}, u"", R::Button},
    {"main_Label5", kMain, u"Label5", {}, K::Label, {720, 1800, 2655, 255}, 9,
        u"指定の曜日を探します！！\u3000\u3000", kB975, kGreen},
    {"main_Label6", kMain, u"Label6", {}, K::Label, {3240, 1800, 4815, 255}, 10,
        u"誕生日等、お探しの年月日を入力して下さい（西暦）", kB975, kGreen},
    {"main_outyoubi", kMain, u"outyoubi", {}, K::Label, {1560, 2880, 4575, 375}, 11,
        u"", kB12, 0xFF0000, {}, {.border = true}},
    {"main_Label1", kMain, u"Label1", {}, K::Label, {720, 2280, 1695, 375}, 12,
        u"yyyy/mm/dd", kBI12, 0xC00000},
    {"main_start", kMain, u"start", {}, K::Label, {360, 3600, 3375, 735}, 13,
        u"今日から１週間の運勢占いです。あなたの好きな数字を１桁入れて下さい。", kB1125, 0x800000},
    {"main_stop", kMain, u"stop", {}, K::Label, {4560, 3840, 735, 375}, 14,
        u"ＧＯ", kB1425, {}, {}, {.border = true, .centred = true}, u"", R::StaticText, nullptr, u'G'},
    {"main_secdisp", kMain, u"secdisp", {}, K::Label, {600, 4440, 3315, 345}, 15,
        u"\u3000\u3000＊＊＊＊＊＊＊＊\u3000\u3000", kBI1425, 0xFF00FF, {}, kBorderAuto},
    {"main_insuu", kMain, u"insuu", {}, K::TextBox, {3960, 3840, 375, 450}, 16,
        u"", {15.75F, false, false}, {}, {}, {.centred = true}, u"", R::Entry, u"好きな数字（１桁）"},
    {"main_lblgoto", kMain, u"lblgoto", {}, K::Label, {5520, 3960, 3015, 255}, 17,
        u"←\u3000ＧＯ\u3000ボタンを押して下さい", {11.25F, false, true}, 0x800080},
    {"main_Label2", kMain, u"Label2", {}, K::Label, {120, 120, 2655, 255}, 18,
        u"曜日探しと今週の運勢", kB975},
    {"main_Command1", kMain, u"Command1", {}, K::CommandButton, {6960, 2880, 1455, 615}, 19,
        u"このプログラムの終了ボタン", kB9, {}, {}, {}, u"", R::Button},
    {"main_Command2", kMain, u"Command2", {}, K::CommandButton, {6600, 0, 2055, 255}, 20,
        u"時刻のみ表示ボタン", kB975, {}, {}, {}, u"", R::Button},
    {"main_shpwaku", kMain, u"shpwaku", {}, K::Shape, {840, 1320, 5415, 135}, -1, u"", {},
        {}, {}, {}, u"", R::Graphic, u""},
    {"main_shpscale", kMain, u"shpscale", {}, K::Shape, {840, 1320, 735, 135}, -1, u"", {},
        {}, {}, {}, u"", R::ProgressBar, u"秒の進み"},
    {"clock_dspdate", kClock, u"dspdate", {}, K::Label, {120, 480, 3075, 300}, 0,
        u"xxxxxxxxxxxxxxxxxxxxxxxxx", kBI12, kGreen, {}, kBorderAuto},
    {"clock_dsptime", kClock, u"dsptime", {}, K::Label, {120, 1080, 1875, 300}, 1,
        u"  12:01:02(am)  ", kBI12, kGreen, {}, kBorderAuto},
    {"clock_dsp01", kClock, u"dsp01", {}, K::Label, {0, 0, 3135, 255}, 2,
        u"   ただ今の日付と時刻です", kB1125, kGreen},
    {"clock_Frame1", kClock, u"Frame1", {}, K::Frame, {2280, 840, 2055, 615}, 3,
        u"時刻表示切替", kB975, 0x000000, kWhite, {}, u"", R::Group},
    {"clock_outtime0", kClock, u"outtime", 0, K::OptionButton, {0, 240, 975, 255}, 4,
        u"１２時間", kB825, {}, kWhite, {}, u"Frame1", R::Option},
    {"clock_outtime1", kClock, u"outtime", 1, K::OptionButton, {960, 240, 975, 255}, 5,
        u"２４時間", kB825, 0x000000, kWhite, {.selected = true}, u"Frame1", R::Option},
    {"clock_Command1", kClock, u"Command1", {}, K::CommandButton, {3480, 0, 855, 375}, 6,
        u"戻\u3000る", kB9, {}, {}, {}, u"", R::Button},
};
// clang-format on

Text shownText(const model::Control& control) {
    switch (control.kind()) {
        case K::TextBox: return static_cast<const model::TextBox&>(control).text();
        case K::Shape:
        case K::Timer: return {};
        default: return static_cast<const model::CaptionedControl&>(control).caption();
    }
}

Look lookOf(const model::Control& control) {
    const model::ControlDesign& design = control.design();
    Look look{design.border, design.autoSize, design.alignment == model::Alignment::Centre};
    if (control.kind() == K::OptionButton) {
        look.selected = static_cast<const model::OptionButton&>(control).value();
    }
    return look;
}

}  // namespace

const std::vector<DesignRow>& designRows() {
    return kRows;
}

const model::Control* findControl(const model::Form& form, model::TextView name,
                                  std::optional<std::int16_t> index) {
    for (const auto& control : form.controls()) {
        if (control->name() == name && control->design().index == index) {
            return control.get();
        }
    }
    return nullptr;
}

void expectRow(const model::Form& form, const DesignRow& row) {
    const model::Control* control = findControl(form, row.control, row.index);
    ASSERT_NE(control, nullptr) << "no control " << kanmeri::testing::utf8(row.control);
    EXPECT_EQ(control->kind(), row.kind);
    const model::TwipsRect& r = control->rect();
    EXPECT_EQ((std::array{r.left, r.top}), (std::array{row.rect.left, row.rect.top}));
    if (!row.look.autoSize) {
        EXPECT_EQ((std::array{r.width, r.height}), (std::array{row.rect.width, row.rect.height}));
    }
    EXPECT_EQ(control->design().tab, row.tab);
    // Readable first, then by code point, blanks included.
    EXPECT_EQ(kanmeri::testing::utf8(shownText(*control)), kanmeri::testing::utf8(row.caption));
    EXPECT_EQ(shownText(*control), Text(row.caption));
    const model::Font& font = control->design().font;
    EXPECT_EQ((std::tuple{font.points, font.bold, font.italic}),
              (std::tuple{row.font.points, row.font.bold, row.font.italic}));
    EXPECT_EQ(control->design().fore, row.fore);
    EXPECT_EQ(control->design().back, row.back);
    const Look look = lookOf(*control);
    EXPECT_EQ(
        (std::array{look.border, look.autoSize, look.centred, look.selected}),
        (std::array{row.look.border, row.look.autoSize, row.look.centred, row.look.selected}));
    EXPECT_EQ(Text(control->parent() ? control->parent()->name() : u""), Text(row.parent));
    EXPECT_EQ(control->role(), row.role);
    EXPECT_EQ(kanmeri::testing::utf8(control->accessibleName()),
              kanmeri::testing::utf8(row.accessibleName ? row.accessibleName : row.caption));
    EXPECT_EQ(control->design().accessKey, row.accessKey);
}

}  // namespace kanmeri::windows::testing
