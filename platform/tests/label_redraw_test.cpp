// A label whose caption changes redraws only from where the new caption
// differs, and the screen then shows what a full redraw would.
#include <gtest/gtest.h>

#include <QPaintEvent>
#include <QScreen>
#include <QTest>
#include <vector>

#include "platform/tests/fixture.h"
#include "platform/tests/scratch_window.h"

namespace kanmeri::platform::testing {
namespace {

using View = Shown<ScratchWindow>;

// Where each paint of one widget may draw.
class PaintRegions : public QObject {
public:
    explicit PaintRegions(QWidget* watched) { watched->installEventFilter(this); }
    std::vector<QRegion> regions;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            regions.push_back(static_cast<QPaintEvent*>(event)->region());
        }
        return false;
    }
};

// What the screen shows of a widget, once its pending paints are done.
QImage onScreen(const QWidget* widget) {
    QTest::qWait(20);
    const QPoint at = widget->mapTo(widget->window(), QPoint(0, 0));
    return widget->screen()
        ->grabWindow(widget->window()->winId(), at.x(), at.y(), widget->width(), widget->height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

TEST(LabelRedrawTest, captionChange_redrawsFromTheChangeAsAFullRedrawWould) {
    const struct {
        const char* name;
        model::Text before;
        model::Text after;
        bool fromTheLeft;  // whether the whole label is redrawn
    } rows[] = {
        {"last digit", u"  12:01:02(am)  ", u"  12:01:08(am)  ", false},
        {"two digits", u"  12:01:09(am)  ", u"  12:01:10(am)  ", false},
        {"first characters", u"  12:01:02(am)  ", u" 912:01:02(am)  ", true},
        {"other width", u"  12:01:02(am)  ", u"  12:01:02 (PM)  ", true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        View shown;
        model::Label& label = shown.window.scratch().boxed;
        QWidget* w = shown.widget(label);
        label.setCaption(row.before);
        static_cast<void>(onScreen(w));
        PaintRegions paints(w);
        label.setCaption(row.after);
        const QImage drawn = onScreen(w);
        ASSERT_FALSE(paints.regions.empty());
        EXPECT_EQ(paints.regions.front().boundingRect().left() == 0, row.fromTheLeft);
        w->repaint();
        EXPECT_TRUE(onScreen(w) == drawn) << "differs from a full redraw";
    }
}

}  // namespace
}  // namespace kanmeri::platform::testing
