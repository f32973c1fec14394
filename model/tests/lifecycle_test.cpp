// Loading, unloading and the end of the program.
#include <gtest/gtest.h>

#include "model/controls.h"
#include "model/program.h"
#include "model/tests/support/recording_services.h"
#include "model/window.h"

namespace kanmeri::model {
namespace {

// A form that tells when it is destroyed.
class Watched : public Form {
public:
    Watched(Window& window, int& alive) : Form(window), alive_(alive) { ++alive_; }
    ~Watched() override { --alive_; }

private:
    int& alive_;
};

const testing::RecordingServices kMeasure;

class Ticking : public Window {
public:
    Ticking() : Window({u"ticking", u"", 8700, 5100, 0xFFFFFF, "", ""}, kMeasure) {}

    int ticks = 0;
    int loads = 0;
    Timer* timer = nullptr;
    int forms = 0;  // alive, current or retired
    Program program;
    std::function<void()> onLoad;

    [[nodiscard]] auto tick() const {
        return [t = timer] { t->timer.raise(); };
    }

protected:
    std::unique_ptr<Form> createForm() override {
        auto form = std::make_unique<Watched>(*this, forms);
        timer = &form->add<Timer>({.name = u"Timer1", .interval = 100});
        timer->timer.bind([this] { ++ticks; });
        return form;
    }
    void formLoad() override {
        ++loads;
        program.dispatch(timer, tick());  // too early: Load has not returned
        if (onLoad) {
            onLoad();
        }
    }
};

TEST(LifecycleTest, dispatch_reachesHandlerOnlyAfterLoadReturnedAndWhileLoaded) {
    Ticking w;
    w.program.add(w);
    w.load();
    EXPECT_EQ(w.ticks, 0);
    w.program.dispatch(w.timer, w.tick());
    EXPECT_EQ(w.ticks, 1);
    w.program.dispatch(nullptr, [&] {
        Timer* old = w.timer;
        w.unload();
        // The retired form lives on until this handler returns, but is gone.
        w.program.dispatch(old, [old] { old->timer.raise(); });
        w.program.dispatch(old, [&] { ++w.ticks; });
    });
    EXPECT_EQ(w.ticks, 1);
}

TEST(LifecycleTest, reload_createsFreshControls) {
    Ticking w;
    w.load();
    w.load();  // already loaded: nothing
    EXPECT_EQ(w.loads, 1);
    Timer* first = w.timer;
    w.unload();
    w.load();
    EXPECT_NE(w.timer, first);
    EXPECT_EQ(w.loads, 2);
}

TEST(LifecycleTest, dispatch_endsOnlyWhenOutermostHandlerLeavesNoWindow) {
    Ticking a;
    Ticking b;
    testing::RecordingServices services;
    services.showWindow(a);
    services.program.add(b);
    services.dispatch([&] {
        services.unloadWindow(a);
        EXPECT_FALSE(services.ended);
        EXPECT_EQ(a.forms, 1);  // the handler may go on using its own window
        services.showWindow(b);
    });
    EXPECT_FALSE(services.ended);
    EXPECT_EQ(a.forms, 0);
    services.dispatch([&] { services.unloadWindow(b); });
    EXPECT_TRUE(services.ended);
}

#ifdef KANMERI_STRICT_HANDLERS
TEST(LifecycleDeathTest, dispatch_stopsOnFailureEscapingHandler) {
    EXPECT_DEATH(
        {
            testing::RecordingServices services;
            Ticking a;
            services.showWindow(a);
            services.dispatch([] { throw std::runtime_error("untrapped"); });
        },
        "");
}
#else
TEST(LifecycleTest, dispatch_dropsFailureEscapingHandler) {
    testing::RecordingServices services;
    Ticking a;
    services.showWindow(a);
    EXPECT_NO_THROW(services.dispatch([] { throw std::runtime_error("untrapped"); }));
    EXPECT_FALSE(services.ended);
    EXPECT_TRUE(a.loaded());
}
#endif

struct CentreRow {
    const char* name;
    ScreenSize screen;
    float frameWidth, frameHeight;
    float left, top;
};

class CentreTest : public ::testing::TestWithParam<CentreRow> {};

TEST_P(CentreTest, centre_usesOuterSizeInSinglePrecision) {
    const CentreRow& row = GetParam();
    Ticking w;
    w.setFrameExtent(row.frameWidth, row.frameHeight);
    w.centre(row.screen);
    EXPECT_FLOAT_EQ(w.left(), row.left);
    EXPECT_FLOAT_EQ(w.top(), row.top);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CentreTest,
    ::testing::Values(CentreRow{"client_only", {19200, 10800}, 0, 0, 5250, 2850},
                      CentreRow{"with_frame", {19200, 10800}, 120, 495, 5190, 2602.5F},
                      CentreRow{"odd_twips", {15375, 11520}, 0, 15, 3337.5F, 3202.5F},
                      CentreRow{"larger_than_screen", {4800, 3600}, 0, 0, -1950, -750}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kanmeri::model
