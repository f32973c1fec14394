// Every control of the main window as the user sees it at load.
#include <gtest/gtest.h>

#include "windows/tests/control_row.h"
#include "windows/tests/harness.h"

namespace kanmeri::windows::testing {
namespace {

using K = model::ControlKind;

constexpr model::Font kB9{9, true, false};
constexpr model::Font kB975{9.75F, true, false};
constexpr model::Font kB1125{11.25F, true, false};
constexpr model::Font kB12{12, true, false};
constexpr model::Font kBI12{12, true, true};
constexpr model::Font kB1425{14.25F, true, false};
constexpr model::Font kBI1425{14.25F, true, true};
constexpr model::Rgb kGreen = 0x008000;
constexpr model::Rgb kCream = 0xF1EBCB;
constexpr Look kBorderAuto{.border = true, .autoSize = true};

// clang-format off
const ControlRow kRows[] = {
    {"inymd", u"inymd", {}, K::TextBox, {2400, 2280, 2055, 420}, 0, u"", kB1425},
    {"dspdate", u"dspdate", {}, K::Label, {840, 840, 3075, 300}, 1,
        u"xxxxxxxxxxxxxxxxxxxxxxxxx", kBI12, kGreen, {}, kBorderAuto},
    {"dsptime", u"dsptime", {}, K::Label, {4320, 840, 1875, 300}, 2,
        u"  12:01:02(am)  ", kBI12, kGreen, {}, kBorderAuto},
    {"dsp01", u"dsp01", {}, K::Label, {2160, 360, 3615, 375}, 3,
        u"   ただ今の日付と時刻です", kB12, kGreen},
    {"Frame1", u"Frame1", {}, K::Frame, {6600, 360, 1815, 975}, 4,
        u"時刻表示切替", kB975, {}, kCream},
    {"outtime0", u"outtime", 0, K::OptionButton, {120, 240, 1575, 375}, 5,
        u"１２時間表示", kB9, {}, kCream, {.selected = true}, u"Frame1"},
    {"outtime1", u"outtime", 1, K::OptionButton, {120, 600, 1575, 255}, 6,
        u"２４時間表示", kB9, {}, kCream, {}, u"Frame1"},
    {"noBotan", u"noﾎﾞﾀﾝ", {}, K::CommandButton, {5880, 2280, 855, 375}, 7, u"ｷｬﾝｾﾙ", kB975},
    {"okBotan", u"okﾎﾞﾀﾝ", {}, K::CommandButton, {4800, 2280, 855, 375}, 8, u"ＯＫ", kB1425},
    {"Label5", u"Label5", {}, K::Label, {720, 1800, 2655, 255}, 9,
        u"指定の曜日を探します！！\u3000\u3000", kB975, kGreen},
    {"Label6", u"Label6", {}, K::Label, {3240, 1800, 4815, 255}, 10,
        u"誕生日等、お探しの年月日を入力して下さい（西暦）", kB975, kGreen},
    {"outyoubi", u"outyoubi", {}, K::Label, {1560, 2880, 4575, 375}, 11,
        u"", kB12, 0xFF0000, {}, {.border = true}},
    {"Label1", u"Label1", {}, K::Label, {720, 2280, 1695, 375}, 12,
        u"yyyy/mm/dd", kBI12, 0xC00000},
    {"start", u"start", {}, K::Label, {360, 3600, 3375, 735}, 13,
        u"今日から１週間の運勢占いです。あなたの好きな数字を１桁入れて下さい。", kB1125, 0x800000},
    {"stop", u"stop", {}, K::Label, {4560, 3840, 735, 375}, 14,
        u"ＧＯ", kB1425, {}, {}, {.border = true, .centred = true}},
    {"secdisp", u"secdisp", {}, K::Label, {600, 4440, 3315, 345}, 15,
        u"\u3000\u3000＊＊＊＊＊＊＊＊\u3000\u3000", kBI1425, 0xFF00FF, {}, kBorderAuto},
    {"insuu", u"insuu", {}, K::TextBox, {3960, 3840, 375, 450}, 16,
        u"", {15.75F, false, false}, {}, {}, {.centred = true}},
    {"lblgoto", u"lblgoto", {}, K::Label, {5520, 3960, 3015, 255}, 17,
        u"←\u3000ＧＯ\u3000ボタンを押して下さい", {11.25F, false, true}, 0x800080},
    {"Label2", u"Label2", {}, K::Label, {120, 120, 2655, 255}, 18,
        u"曜日探しと今週の運勢", kB975},
    {"Command1", u"Command1", {}, K::CommandButton, {6960, 2880, 1455, 615}, 19,
        u"このプログラムの終了ボタン", kB9},
    {"Command2", u"Command2", {}, K::CommandButton, {6600, 0, 2055, 255}, 20,
        u"時刻のみ表示ボタン", kB975},
};
// clang-format on

class MainDesignTest : public ::testing::TestWithParam<ControlRow> {};

TEST_P(MainDesignTest, load_createsControlInDesignState) {
    Harness h;
    h.start();
    expectRow(h.main(), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Rows, MainDesignTest, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kanmeri::windows::testing
