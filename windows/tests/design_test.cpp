// Every drawn control of both windows as the user meets it at load.
#include <gtest/gtest.h>

#include "windows/tests/design_table.h"
#include "windows/tests/harness.h"

namespace kanmeri::windows::testing {
namespace {

class DesignTest : public ::testing::TestWithParam<DesignRow> {};

TEST_P(DesignTest, load_createsControlInDesignState) {
    const DesignRow& row = GetParam();
    Harness h(Harness::kStarted);
    if (row.clockWindow) {
        h.toClock();
    }
    const model::Form& form = row.clockWindow ? static_cast<model::Form&>(h.clock()) : h.main();
    expectRow(form, row);
    if (row.look.autoSize) {
        // The size of the caption on one line, inside the border.
        const model::Control& label = *findControl(form, row.control, row.index);
        const model::TextExtent text = h.services.oneLine(row.caption, row.font);
        EXPECT_EQ(label.rect().width, static_cast<float>(text.width + 4) * 15);
        EXPECT_EQ(label.rect().height, static_cast<float>(text.height + 4) * 15);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, DesignTest, ::testing::ValuesIn(designRows()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kanmeri::windows::testing
