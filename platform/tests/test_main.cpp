// Runs the widget tests inside one application object. Without a display the
// tests draw off screen; listing the tests needs no application at all.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <optional>

#include "platform/application.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests)) {
        return RUN_ALL_TESTS();
    }
    if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr &&
        std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    kanmeri::platform::Application application(argc, argv);
    return RUN_ALL_TESTS();
}
