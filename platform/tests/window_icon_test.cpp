// A shown window carries its design's icon, and every load of a window shows
// the very same icon, so that reloading leaves nothing behind in the
// toolkit's pixmap cache.
#include <gtest/gtest.h>

#include <QIcon>
#include <QTest>

#include "platform/tests/fixture.h"
#include "platform/tests/real_app.h"

namespace kanmeri::platform::testing {
namespace {

qint64 shownIconKey(const QWidget* view) {
    if (!QTest::qWaitFor([&] { return !view->windowIcon().isNull(); }, kPatienceMs)) {
        return 0;
    }
    return view->windowIcon().cacheKey();
}

TEST(WindowIconTest, shownWindow_carriesDesignIcon) {
    RealApp app;
    QWidget* main = app.view(app.windows.main);
    ASSERT_NE(main, nullptr);
    ASSERT_NE(shownIconKey(main), 0) << "no icon";
    EXPECT_EQ(main->windowIcon().availableSizes(), QIcon(":/kanmeri/smiley.ico").availableSizes());
}

TEST(WindowIconTest, reload_showsTheSameIcon) {
    RealApp app;
    const qint64 first = shownIconKey(app.view(app.windows.main));
    ASSERT_NE(first, 0);
    for (int i = 0; i < 2; ++i) {
        app.services.deliver([&] {
            app.services.showWindow(app.windows.clock);
            app.services.unloadWindow(app.windows.main);
        });
        app.services.deliver([&] {
            app.services.showWindow(app.windows.main);
            app.services.unloadWindow(app.windows.clock);
        });
        QWidget* again = app.view(app.windows.main);
        ASSERT_NE(again, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(again));
        EXPECT_EQ(shownIconKey(again), first) << "load " << i + 2;
    }
}

}  // namespace
}  // namespace kanmeri::platform::testing
