// Every caption of both windows inside its box, in one-em lines broken by the
// characters' advances: the design's captions and placeholders and the
// longest running texts. CaptionsAtScale checks at whatever scale factor this
// process runs with; CaptionsTest runs it again in a child process for each
// factor the desktop may use.
#include <gtest/gtest.h>

#include "features/fortune.h"
#include "features/weekday_lookup.h"
#include "model/tests/support/printers.h"
#include "platform/tests/caption_check.h"
#include "platform/tests/real_app.h"
#include "platform/tests/scale_factors.h"

namespace kanmeri::platform::testing {
namespace {

using kanmeri::testing::utf8;

// Every label of `form` as loaded, named in the failure.
void expectLoadedCaptionsInside(const RealApp& app, const model::Form& form) {
    for (const auto& control : form.controls()) {
        if (control->kind() == model::ControlKind::Label) {
            EXPECT_TRUE(
                captionInsideBox(app.widget(*control), static_cast<const model::Label&>(*control)))
                << utf8(control->name());
        }
    }
}

// Each caption in turn on `label`.
void expectEachInside(const RealApp& app, model::Label& label,
                      const std::vector<model::Text>& captions) {
    for (const model::Text& caption : captions) {
        label.setCaption(caption);
        EXPECT_TRUE(captionInsideBox(app.widget(label), label))
            << utf8(label.name()) << ": " << utf8(caption);
    }
}

std::vector<model::Text> weekdaySentences(const model::Text& head, const model::Text& tail) {
    std::vector<model::Text> out;
    for (const model::TextView name : features::kWeekdayNames) {
        out.push_back(head + model::Text(name) + tail);
    }
    return out;
}

TEST(CaptionsAtScale, designCaptions_stayInsideTheirBoxes) {
    RealApp app;
    expectLoadedCaptionsInside(app, app.main());
    ASSERT_NE(app.openClock(), nullptr);
    expectLoadedCaptionsInside(app, app.windows.clock.controls());
}

TEST(CaptionsAtScale, autoSizeLabels_takePixelSizePlusBorderAtLoad) {
    RealApp app;
    const struct {
        const char* name;
        model::Label& label;
        int height;
    } rows[] = {
        {"dspdate", app.main().dspdate, 20},
        {"dsptime", app.main().dsptime, 20},
        {"secdisp", app.main().secdisp, 23},
    };
    for (const auto& row : rows) {
        EXPECT_NEAR(app.widget(row.label)->height(), row.height, 1) << row.name;
        expectFitsOneLine(app.widget(row.label), row.label);
    }
}

TEST(CaptionsAtScale, lblgoto_takesOneLineAndStartThree) {
    RealApp app;
    const struct {
        const char* name;
        model::Label& label;
        int lines;
    } rows[] = {{"lblgoto", app.main().lblgoto, 1}, {"start", app.main().start, 3}};
    const auto expectLines = [&](const auto& row) {
        const auto* label = app.widget<LabelWidget>(row.label);
        ASSERT_NE(label, nullptr);
        CaptionLayout caption;
        caption.setText(toQString(row.label.caption()), label->font());
        EXPECT_EQ(caption.layOut(label->contentsRect().width(),
                                 row.label.design().alignment == model::Alignment::Centre),
                  row.lines);
        // Drawn as the label draws it, the last line's ink rests on the foot
        // of its em (an ideograph's ink reaches a little below the baseline).
        const int em = caption.lineHeight();
        const QRectF ink =
            CaptionInk(label->caption(), label->captionOrigin(),
                       QRectF(label->rect()).adjusted(0, 0, 0, em), label->devicePixelRatioF())
                .box();
        EXPECT_NEAR(ink.bottom(), row.lines * em, em / 4.0);
    };
    forEachRow(rows, expectLines);
}

TEST(CaptionsAtScale, runningTexts_stayInsideTheirBoxes) {
    RealApp app;
    windows::MainForm& main = app.main();
    expectEachInside(app, main.dspdate, weekdaySentences(u"  2000年12月20日(", u")  "));
    expectEachInside(app, main.dsptime,
                     {u"  12:00:00 (AM)  ", u"  08:48:48 (PM)  ", u"  00:00:00  "});
    expectEachInside(app, main.outyoubi,
                     weekdaySentences(u" お探しの日の曜日は\u3000", u"\u3000です"));
    features::FortuneTable table;
    features::unsei_set(table);
    expectEachInside(app, main.secdisp, {table.begin(), table.end()});
}

TEST(CaptionsTest, scaleFactors_keepCaptionsInsideInAChildProcessEach) {
    if (underChosenScaleFactor()) {
        GTEST_SKIP() << "already running under a chosen scale factor";
    }
    expectPassAtScaleFactors("CaptionsAtScale.*", 4, {"1", "1.25", "1.5", "2"});
}

}  // namespace
}  // namespace kanmeri::platform::testing
