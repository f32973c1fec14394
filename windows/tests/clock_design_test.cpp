// Every control of the clock window as the user sees it at load.
#include <gtest/gtest.h>

#include "windows/tests/control_row.h"
#include "windows/tests/harness.h"

namespace kanmeri::windows::testing {
namespace {

using K = model::ControlKind;

constexpr model::Font kB825{8.25F, true, false};
constexpr model::Font kBI12{12, true, true};
constexpr model::Rgb kGreen = 0x008000;
constexpr model::Rgb kWhite = 0xFFFFFB;
constexpr Look kBorderAuto{.border = true, .autoSize = true};

// clang-format off
const ControlRow kRows[] = {
    {"dspdate", u"dspdate", {}, K::Label, {120, 480, 3075, 300}, 0,
        u"xxxxxxxxxxxxxxxxxxxxxxxxx", kBI12, kGreen, {}, kBorderAuto},
    {"dsptime", u"dsptime", {}, K::Label, {120, 1080, 1875, 300}, 1,
        u"  12:01:02(am)  ", kBI12, kGreen, {}, kBorderAuto},
    {"dsp01", u"dsp01", {}, K::Label, {0, 0, 3135, 255}, 2,
        u"   ただ今の日付と時刻です", {11.25F, true, false}, kGreen},
    {"Frame1", u"Frame1", {}, K::Frame, {2280, 840, 2055, 615}, 3,
        u"時刻表示切替", {9.75F, true, false}, 0x000000, kWhite},
    {"outtime0", u"outtime", 0, K::OptionButton, {0, 240, 975, 255}, 4,
        u"１２時間", kB825, {}, kWhite, {}, u"Frame1"},
    {"outtime1", u"outtime", 1, K::OptionButton, {960, 240, 975, 255}, 5,
        u"２４時間", kB825, 0x000000, kWhite, {.selected = true}, u"Frame1"},
    {"Command1", u"Command1", {}, K::CommandButton, {3480, 0, 855, 375}, 6,
        u"戻\u3000る", {9, true, false}},
};
// clang-format on

class ClockDesignTest : public ::testing::TestWithParam<ControlRow> {};

TEST_P(ClockDesignTest, load_createsControlInDesignState) {
    Harness h;
    h.start();
    h.toClock();
    expectRow(h.clock(), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Rows, ClockDesignTest, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kanmeri::windows::testing
