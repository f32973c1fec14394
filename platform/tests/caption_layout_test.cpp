// Captions break where their characters' advances pass the width, in lines
// one em apart, whatever the face's own line height and slant. What a caption
// lays out is read from its ink as drawn.
#include <gtest/gtest.h>

#include <cmath>

#include "model/appearance.h"
#include "platform/caption_text.h"
#include "platform/look.h"
#include "platform/tests/caption_check.h"
#include "platform/tests/fixture.h"

namespace kanmeri::platform::testing {
namespace {

const QString kGoto = QStringLiteral("←　ＧＯ　ボタンを押して下さい");

QFont italic15() {
    return toFont(model::Font{.points = 11.25F, .bold = false, .italic = true});
}

// The caption as laid out, drawn from (0, 0) with room around it for any
// stray ink.
CaptionInk inkOf(const CaptionLayout& caption, qreal width, int lines) {
    const qreal margin = 2 * caption.lineHeight();
    return CaptionInk(caption, {0, 0},
                      QRectF(0, 0, width, lines * caption.lineHeight())
                          .adjusted(-margin, -margin, margin, margin));
}

qreal advanceOf(const QString& text) {
    CaptionLayout caption;
    caption.setText(text, italic15());
    return caption.advanceWidth();
}

TEST(CaptionLayoutTest, width_decidesWhereLinesBreak) {
    CaptionLayout caption;
    caption.setText(kGoto, italic15());
    const qreal advance = caption.advanceWidth();
    const int em = caption.lineHeight();
    const struct {
        const char* name;
        qreal width;
        int lines;
        QString last;  // the text of the last line
    } rows[] = {
        {"exactly the advances", advance, 1, kGoto},
        // The slanted last glyph reaches past its advance; that must not wrap it.
        {"a pixel to spare", std::ceil(advance), 1, kGoto},
        {"a pixel short", advance - 1, 2, kGoto.right(1)},
        {"one character wide", 1, static_cast<int>(kGoto.size()), kGoto.right(1)},
    };
    const auto expectBreaks = [&](const auto& row) {
        ASSERT_EQ(caption.layOut(row.width, false), row.lines);
        // The last line's ink starts at its left edge and is no wider than
        // its text's advances, give or take the slant of its last glyph. Its
        // top quarter is left out: the line above hangs its descenders there.
        const QRectF last =
            inkOf(caption, row.width, row.lines).box((row.lines - 0.75) * em, row.lines * em);
        ASSERT_FALSE(last.isNull());
        EXPECT_GE(last.left(), 0.0);
        EXPECT_LE(last.width(), advanceOf(row.last) + em / 4.0);
        if (row.lines > 1) {
            EXPECT_LT(last.width(), advanceOf(kGoto.right(2))) << "more than one character";
        }
    };
    forEachRow(rows, expectBreaks);
}

TEST(CaptionLayoutTest, lines_areOneEmApartWithBaselineAtTheirFoot) {
    // Capitals with flat feet: each line's ink ends on its baseline.
    const QString capitals = QStringLiteral("HELIHELIHELIHELIHELIHELI");
    const struct {
        const char* name;
        qreal share;  // of the advances, as the width
        int lines;
    } rows[] = {{"one line", 1.0, 1}, {"three lines", 1 / 2.5, 3}, {"six lines", 1 / 5.5, 6}};
    CaptionLayout caption;
    caption.setText(capitals, italic15());
    const int em = caption.lineHeight();
    EXPECT_EQ(em, 15);
    const auto expectLines = [&](const auto& row) {
        const qreal width = caption.advanceWidth() * row.share;
        ASSERT_EQ(caption.layOut(width, false), row.lines);
        const CaptionInk ink = inkOf(caption, width, row.lines);
        EXPECT_TRUE(ink.box(-CaptionInk::kAll, 0).isNull()) << "ink above the first line";
        for (int line = 0; line < row.lines; ++line) {
            SCOPED_TRACE(line);
            const QRectF box = ink.box(line * em, (line + 1) * em);
            if (box.isNull()) {
                ADD_FAILURE() << "no ink on the line";
                continue;
            }
            EXPECT_NEAR(box.bottom(), (line + 1) * em, 0.5);
            // Capitals stand most of an em tall on their baseline.
            EXPECT_GT(box.height(), em / 2.0);
        }
        EXPECT_TRUE(ink.box(row.lines * em, CaptionInk::kAll).isNull())
            << "ink below the last line";
    };
    forEachRow(rows, expectLines);
}

TEST(CaptionLayoutTest, centred_linesCentreTheirAdvancesInTheWidth) {
    const struct {
        const char* name;
        QString text;
        qreal width;
    } rows[] = {
        {"wide box", QStringLiteral("ＧＯ"), 100},
        {"snug box", QStringLiteral("ＧＯ"), 31},
        {"blanks count", QStringLiteral("  12:01  "), 120},
    };
    const auto expectCentred = [&](const auto& row) {
        CaptionLayout caption;
        caption.setText(row.text, italic15());
        ASSERT_EQ(caption.layOut(row.width, false), 1);
        const QRectF left = inkOf(caption, row.width, 1).box();
        ASSERT_EQ(caption.layOut(row.width, true), 1);
        const QRectF centred = inkOf(caption, row.width, 1).box();
        ASSERT_FALSE(centred.isNull());
        // Moved right by half the room its advances leave, not by its ink.
        EXPECT_NEAR(centred.left() - left.left(), (row.width - caption.advanceWidth()) / 2, 1.0);
        EXPECT_NEAR(centred.center().x(), row.width / 2, caption.lineHeight() / 4.0);
        EXPECT_EQ(centred.top(), left.top());
    };
    forEachRow(rows, expectCentred);
}

}  // namespace
}  // namespace kanmeri::platform::testing
