#pragma once
// Helpers for the running-clock tests on real windows: reading what a label
// shows (caption_check.h checks how it fits its box). The tests fire the
// windows' timers themselves, or count their real ticks (fixture.h).
#include <gtest/gtest.h>

#include <string>

#include "model/controls.h"
#include "model/tests/support/printers.h"
#include "platform/label_widget.h"
#include "platform/look.h"
#include "platform/tests/caption_check.h"
#include "platform/tests/fixture.h"

namespace kanmeri::platform::testing {

// The caption a label widget shows, as UTF-8 (exact code points).
inline std::string shown(const QWidget* label) {
    return kanmeri::testing::utf8(toText(label->accessibleName()));
}

}  // namespace kanmeri::platform::testing
