#pragma once
// GoogleTest printers for the recorded calls, UTF-8 for UTF-16 texts, and
// the loop of table-driven tests.
#include <gtest/gtest.h>

#include <ostream>

#include "model/tests/support/recording_services.h"
#include "model/text.h"

namespace kanmeri::testing {

std::string utf8(model::TextView text);

void PrintTo(const ServiceCall& call, std::ostream* os);

// Runs `check` on each row, traced by the row's name. `check` is a function of
// its own so that a fatal failure in it ends its own row only.
template <typename Rows, typename Check>
void forEachRow(const Rows& rows, const Check& check) {
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        check(row);
    }
}

}  // namespace kanmeri::testing
