// How the view draws the model: geometry, fonts, colours, stacking, auto-size
// and what assistive technology hears.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "model/tests/support/printers.h"
#include "platform/look.h"
#include "platform/tests/access_check.h"
#include "platform/tests/caption_check.h"
#include "platform/tests/fixture.h"
#include "platform/tests/scratch_window.h"

namespace kanmeri::platform::testing {
namespace {

using View = Shown<ScratchWindow>;

struct Row {
    const char* name;
    std::function<model::Control&(ScratchForm&)> control;
    QRect px;
    int pixelSize;  // 0 for controls without text
    bool bold;
    bool italic;
};

const Row kRows[] = {
    {"outline",
     [](ScratchForm& f) -> model::Control& { return f.outline; },
     {10, 200, 200, 9},
     0,
     false,
     false},
    {"filled",
     [](ScratchForm& f) -> model::Control& { return f.filled; },
     {10, 200, 50, 9},
     0,
     false,
     false},
    {"wrapped",
     [](ScratchForm& f) -> model::Control& { return f.wrapped; },
     {10, 40, 60, 60},
     15,
     true,
     false},
    {"clicky",
     [](ScratchForm& f) -> model::Control& { return f.clicky; },
     {150, 10, 49, 25},
     19,
     true,
     false},
    {"frame",
     [](ScratchForm& f) -> model::Control& { return f.frame; },
     {200, 40, 121, 65},
     13,
     true,
     false},
    {"first",
     [](ScratchForm& f) -> model::Control& { return f.first; },
     {8, 16, 105, 25},
     12,
     true,
     false},
    {"second",
     [](ScratchForm& f) -> model::Control& { return f.second; },
     {8, 40, 105, 17},
     12,
     true,
     false},
    {"entry",
     [](ScratchForm& f) -> model::Control& { return f.entry; },
     {10, 120, 137, 28},
     19,
     true,
     false},
    {"digits",
     [](ScratchForm& f) -> model::Control& { return f.digits; },
     {160, 120, 25, 30},
     21,
     false,
     false},
    {"press",
     [](ScratchForm& f) -> model::Control& { return f.press; },
     {200, 120, 57, 25},
     19,
     true,
     false},
    {"quit",
     [](ScratchForm& f) -> model::Control& { return f.quit; },
     {200, 160, 97, 41},
     12,
     true,
     false},
};

TEST(ViewTest, controls_takeDesignGeometryAndFonts) {
    View shown;
    ScratchForm& form = shown.window.scratch();
    const auto expectPlaced = [&](const Row& row) {
        QWidget* w = shown.widget(row.control(form));
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->geometry(), row.px);
        if (row.pixelSize > 0) {
            EXPECT_EQ(w->font().pixelSize(), row.pixelSize);
            EXPECT_EQ(w->font().bold(), row.bold);
            EXPECT_EQ(w->font().italic(), row.italic);
            // One of the proportional Gothic faces, never a fixed-width fallback.
            EXPECT_TRUE(w->font().families().contains(QFontInfo(w->font()).family()))
                << QFontInfo(w->font()).family().toStdString();
        }
    };
    forEachRow(kRows, expectPlaced);
}

// Naming a face that is not installed, or more than one that is, costs a
// fontconfig substitution per style while the first window is drawn.
TEST(ViewTest, fonts_nameOnlyTheInstalledGothicFace) {
    const QFont font = toFont(model::Font{12, true, true});
    ASSERT_EQ(font.families().size(), 1) << font.families().join(u',').toStdString();
    EXPECT_TRUE(QFontDatabase::families().contains(font.families().front()));
    EXPECT_EQ(QFontInfo(font).family(), font.families().front());
}

TEST(ViewTest, window_hasFixedClientSizeCaptionAndCentredPlace) {
    View shown;
    QWidget* view = shown.view();
    EXPECT_EQ(view->size(), QSize(340, 240));
    EXPECT_EQ(view->minimumSize(), view->maximumSize());
    EXPECT_EQ(view->windowTitle(), QStringLiteral("試験　ウィンドウ"));
    const model::ScreenSize screen = shown.services.screenSize();
    EXPECT_FLOAT_EQ(shown.window.left(), (screen.width - shown.window.width()) / 2);
    EXPECT_EQ(view->pos(), QPoint(toPixels(shown.window.left()), toPixels(shown.window.top())));
}

TEST(ViewTest, colours_followDesign) {
    View shown;
    ScratchForm& form = shown.window.scratch();
    EXPECT_EQ(shown.widget(form.boxed)->palette().color(QPalette::WindowText), QColor(0x008000));
    auto* frame = shown.widget<QGroupBox>(form.frame);
    EXPECT_TRUE(frame->autoFillBackground());
    EXPECT_EQ(frame->palette().color(QPalette::Window), QColor(0xF1EBCB));
    EXPECT_TRUE(shown.widget(form.first)->autoFillBackground());
}

// Labels, frames and option buttons keep the toolkit's light scheme whatever
// the desktop's; on that scheme they are drawn exactly as before, so every
// colour the style draws them with is the desktop's own.
TEST(ViewTest, controlsOverFixedBackgrounds_drawInTheLightScheme) {
    const QPalette desktop = QApplication::palette();
    if (desktop.color(QPalette::Window) != QColor(0xEFEFEF)) {
        GTEST_SKIP() << "the desktop's colour scheme is not the toolkit's light one";
    }
    View shown;
    ScratchForm& form = shown.window.scratch();
    const struct {
        const char* name;
        const model::Control& control;
    } rows[] = {{"label", form.clicky}, {"frame", form.frame}, {"option", form.first}};
    forEachRow(rows, [&](const auto& row) {
        const QPalette drawn = shown.widget(row.control)->palette();
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            for (const QPalette::ColorRole role :
                 {QPalette::WindowText, QPalette::Light, QPalette::Midlight, QPalette::Dark,
                  QPalette::Mid, QPalette::Shadow, QPalette::Text, QPalette::Base,
                  QPalette::Highlight, QPalette::HighlightedText}) {
                EXPECT_EQ(drawn.color(group, role), desktop.color(group, role))
                    << "group " << group << ", role " << role;
            }
        }
    });
}

TEST(ViewTest, windowWithoutPicture_paintsItsColour) {
    View shown;
    const QImage shot = shown.view()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(shot.width() - 3, shot.height() - 3), QColor(0xFFFFFF));
}

TEST(ViewTest, autoSizeLabel_takesOneLineCaptionSizeIntoModel) {
    View shown;
    model::Label& label = shown.window.scratch().boxed;
    QWidget* w = shown.widget(label);
    const struct {
        const char* name;
        model::Text caption;
    } rows[] = {
        {"placeholder", u"  12:01:02(am)  "},
        {"longer", u"  2000年12月21日(木曜日)  "},
        {"blanks only", u"   "},
        {"empty", u""},
    };
    forEachRow(rows, [&](const auto& row) {
        label.setCaption(row.caption);
        expectFitsOneLine(w, label);
        EXPECT_EQ(w->pos(), QPoint(10, 10));
        EXPECT_FLOAT_EQ(label.rect().width, toTwips(w->width()));
        EXPECT_FLOAT_EQ(label.rect().left, 150.0F);
    });
}

TEST(ViewTest, stacking_putsEntriesButtonsAndFrameAboveLabelsAndShapes) {
    View shown;
    ScratchForm& form = shown.window.scratch();
    const QObjectList& children = shown.view()->children();
    const auto at = [&](const model::Control& c) { return children.indexOf(shown.widget(c)); };
    for (const model::Control* top : std::initializer_list<const model::Control*>{
             &form.entry, &form.press, &form.frame, &form.quit}) {
        SCOPED_TRACE(kanmeri::testing::utf8(top->name()));
        EXPECT_GT(at(*top), at(form.boxed));
        EXPECT_GT(at(*top), at(form.wrapped));
        EXPECT_GT(at(*top), at(form.filled));
    }
    EXPECT_GT(at(form.filled), at(form.outline));
}

TEST(ViewTest, accessibleNamesAndRoles_areTheModelsExactly) {
    View shown;
    ScratchForm& form = shown.window.scratch();
    const struct {
        const char* name;
        const model::Control* control;
        QString expected;
        QAccessible::Role role;
    } rows[] = {
        {"label keeps blanks", &form.boxed, QStringLiteral("  12:01:02(am)  "),
         QAccessible::StaticText},
        {"wrapped label", &form.wrapped, QStringLiteral("今日から１週間の運勢占いです。"),
         QAccessible::StaticText},
        {"button", &form.press, QStringLiteral("ＯＫ"), QAccessible::Button},
        {"option", &form.first, QStringLiteral("１２時間表示"), QAccessible::RadioButton},
        {"frame", &form.frame, QStringLiteral("時刻表示切替"), QAccessible::Grouping},
        {"entry named by its row", &form.entry, QStringLiteral("探す日付"),
         QAccessible::EditableText},
        {"entry without a name", &form.digits, QString(), QAccessible::EditableText},
        {"outline", &form.outline, QString(), QAccessible::Graphic},
        {"bar", &form.filled, QStringLiteral("秒の進み"), QAccessible::ProgressBar},
    };
    const auto expectAccess = [&](const auto& row) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(shown.widget(*row.control));
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(QAccessible::Name), row.expected);
        EXPECT_EQ(a->role(), row.role);
    };
    forEachRow(rows, expectAccess);
    expectAccessAsModelled(form);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(shown.view())->text(QAccessible::Name),
              QStringLiteral("試験　ウィンドウ"));
}

TEST(ViewTest, accessibleNames_followCaptionsButNotTypedText) {
    View shown;
    ScratchForm& form = shown.window.scratch();
    form.boxed.setCaption(u" 変わった ");
    QTest::keyClicks(shown.widget(form.entry), QStringLiteral("2000/01/01"));
    form.digits.setText(u"7");
    ASSERT_EQ(form.entry.text(), u"2000/01/01");
    const struct {
        const char* name;
        const model::Control* control;
        QString expected;
    } rows[] = {
        {"label", &form.boxed, QStringLiteral(" 変わった ")},
        {"typed entry", &form.entry, QStringLiteral("探す日付")},
        {"assigned entry", &form.digits, QString()},
    };
    forEachRow(rows, [&](const auto& row) {
        EXPECT_EQ(QAccessible::queryAccessibleInterface(shown.widget(*row.control))
                      ->text(QAccessible::Name),
                  row.expected);
    });
    expectAccessAsModelled(form);
}

TEST(ViewTest, bar_describesFilledShareOfOutline) {
    View shown;
    ScratchForm& form = shown.window.scratch();
    form.filled.setWidth(form.outline.width() / 2);
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(shown.widget(form.filled));
    EXPECT_EQ(a->valueInterface(), nullptr);
    EXPECT_EQ(a->text(QAccessible::Description), QStringLiteral("50%"));
    EXPECT_EQ(shown.widget(form.filled)->width(), 100);
}

}  // namespace
}  // namespace kanmeri::platform::testing
