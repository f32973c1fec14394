// Captions break where their characters' advances pass the width, in lines
// one em apart, whatever the face's own line height and slant.
#include <gtest/gtest.h>

#include <QGlyphRun>
#include <cmath>

#include "model/appearance.h"
#include "platform/caption_text.h"
#include "platform/look.h"

namespace kanmeri::platform {
namespace {

const QString kGoto = QStringLiteral("←　ＧＯ　ボタンを押して下さい");

QFont italic15() {
    return toFont(model::Font{.points = 11.25F, .bold = false, .italic = true});
}

// The text of each line laid out.
QStringList lineTexts(const CaptionLayout& caption) {
    QStringList out;
    for (const QTextLayout* line : caption.lines()) {
        out << line->text();
    }
    return out;
}

TEST(CaptionLayoutTest, width_decidesWhereLinesBreak) {
    CaptionLayout caption;
    caption.setText(kGoto, italic15());
    const qreal advance = caption.advanceWidth();
    const struct {
        const char* name;
        qreal width;
        QStringList lines;
    } rows[] = {
        {"exactly the advances", advance, {kGoto}},
        // The slanted last glyph reaches past its advance; that must not wrap it.
        {"a pixel to spare", std::ceil(advance), {kGoto}},
        {"a pixel short", advance - 1, {kGoto.chopped(1), kGoto.right(1)}},
        {"one character wide", 1, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const int count = caption.layOut(row.width, false);
        if (row.lines.isEmpty()) {
            EXPECT_EQ(count, kGoto.size()) << "one character a line";
        } else {
            EXPECT_EQ(lineTexts(caption), row.lines);
        }
    }
}

TEST(CaptionLayoutTest, lines_areOneEmApartWithBaselineAtTheirFoot) {
    CaptionLayout caption;
    caption.setText(kGoto, italic15());
    ASSERT_EQ(caption.layOut(caption.advanceWidth() / 2.5, false), 3);
    const int em = caption.lineHeight();
    EXPECT_EQ(em, 15);
    int row = 0;
    for (const QTextLayout* line : caption.lines()) {
        const QList<QGlyphRun> runs = line->glyphRuns();
        ASSERT_FALSE(runs.isEmpty());
        EXPECT_DOUBLE_EQ(runs.front().positions().front().y(), (row + 1) * em) << "line " << row;
        ++row;
    }
}

TEST(CaptionLayoutTest, centred_linesCentreTheirAdvancesInTheWidth) {
    CaptionLayout caption;
    caption.setText(QStringLiteral("ＧＯ"), italic15());
    caption.layOut(100, true);
    const QGlyphRun run = caption.lines().front()->glyphRuns().front();
    EXPECT_NEAR(run.positions().front().x(), (100 - caption.advanceWidth()) / 2, 0.01);
}

}  // namespace
}  // namespace kanmeri::platform
