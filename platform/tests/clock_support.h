#pragma once
// Helpers for the running-clock tests on real windows: waiting for a tick,
// reading what a label shows (caption_check.h checks how it fits its box).
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <functional>
#include <string>

#include "model/controls.h"
#include "model/tests/support/printers.h"
#include "platform/label_widget.h"
#include "platform/look.h"
#include "platform/tests/caption_check.h"

namespace kanmeri::platform::testing {

// Runs the event loop until `done` holds; returns the milliseconds it took,
// or -1 when `limitMs` passed first.
inline qint64 waitUntil(const std::function<bool()>& done, int limitMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > limitMs) {
            return -1;
        }
        QTest::qWait(1);
    }
    return clock.elapsed();
}

// The caption a label widget shows, as UTF-8 (exact code points).
inline std::string shown(const QWidget* label) {
    return kanmeri::testing::utf8(toText(label->accessibleName()));
}

}  // namespace kanmeri::platform::testing
