// The real main window on screen: its layout, focus, keys and both features'
// roads end to end, and the ways the program ends.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QLineEdit>

#include "model/tests/support/printers.h"
#include "platform/look.h"
#include "platform/tests/access_check.h"
#include "platform/tests/caption_check.h"
#include "platform/tests/fixture.h"
#include "platform/tests/real_app.h"
#include "windows/tests/design_table.h"

namespace kanmeri::platform::testing {
namespace {

using windows::MainForm;

class DesignOnScreen : public ::testing::TestWithParam<windows::testing::DesignRow> {};

// The table's twips in pixels, its points in pixels at 96 dpi; an auto-size
// label as wide as its caption's advances, as the model measured it.
TEST_P(DesignOnScreen, load_drawsControlAsDesigned) {
    const windows::testing::DesignRow& row = GetParam();
    RealApp app;
    if (row.clockWindow) {
        app.openClock();
    }
    const model::Form& form =
        row.clockWindow ? static_cast<model::Form&>(app.windows.clock.controls()) : app.main();
    const model::Control* control = windows::testing::findControl(form, row.control, row.index);
    ASSERT_NE(control, nullptr);
    QWidget* w = app.widget(*control);
    ASSERT_NE(w, nullptr);
    // The clock's timers may have ticked while the window was being shown, so
    // what may change is checked against the model; DesignTest checks that
    // the model starts as designed.
    const QRect designed = toPixels(row.rect);
    EXPECT_EQ(w->pos(), designed.topLeft());
    if (row.look.autoSize) {
        expectFitsOneLine(w, static_cast<const model::Label&>(*control));
    } else {
        EXPECT_EQ(w->size(), toPixels(control->rect()).size());
    }
    if (row.kind != model::ControlKind::Shape) {
        EXPECT_EQ(w->font().pixelSize(), std::lround(row.font.points * 96 / 72));
        EXPECT_EQ(w->font().bold(), row.font.bold);
        EXPECT_EQ(w->font().italic(), row.font.italic);
    }
    if (row.fore) {
        EXPECT_EQ(w->palette().color(QPalette::WindowText), toColour(*row.fore));
    }
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), toAccessibleRole(row.role));
    EXPECT_EQ(a->text(QAccessible::Name), toQString(control->accessibleName()));
}

INSTANTIATE_TEST_SUITE_P(Rows, DesignOnScreen, ::testing::ValuesIn(windows::testing::designRows()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MainWindowTest, load_showsDesignSizeAndTitle) {
    RealApp app;
    EXPECT_EQ(app.view(app.windows.main)->size(), QSize(580, 340));
    EXPECT_EQ(app.view(app.windows.main)->windowTitle(),
              QStringLiteral("曜日探し　＆　今週から1週間の運勢占い（当たるかな？）"));
}

TEST(MainWindowTest, accessibility_followsTheModelInBothWindows) {
    RealApp app;
    MainForm& f = app.main();
    QTest::keyClicks(app.widget(f.inymd), QStringLiteral("2000/01/01"));
    {
        SCOPED_TRACE("main window, inymd typed into");
        expectAccessAsModelled(f);
    }
    ASSERT_NE(app.openClock(), nullptr);
    SCOPED_TRACE("clock window");
    expectAccessAsModelled(app.windows.clock.controls());
}

TEST(MainWindowTest, tab_walksDesignOrderFromInymd) {
    RealApp app;
    MainForm& f = app.main();
    EXPECT_EQ(QApplication::focusWidget(), app.widget(f.inymd));
    const model::Control* order[] = {&f.outtime0, &f.noBotan,  &f.okBotan, &f.insuu,
                                     &f.Command1, &f.Command2, &f.inymd};
    for (const model::Control* next : order) {
        SCOPED_TRACE(kanmeri::testing::utf8(next->name()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), app.widget(*next));
    }
}

TEST(MainWindowTest, enter_inEitherEntry_appendsBlankAndPressesNoButton) {
    RealApp app;
    MainForm& f = app.main();
    for (model::TextBox* box : {&f.inymd, &f.insuu}) {
        SCOPED_TRACE(kanmeri::testing::utf8(box->name()));
        app.services.setFocus(*box);
        QTest::keyClicks(app.widget(*box), QStringLiteral("5"));
        const auto boxes = dismissingBoxes([&] {
            QTest::keyClick(app.widget(*box), Qt::Key_Return);
            QTest::keyClick(app.widget(*box), Qt::Key_Enter);
            QTest::qWait(100);
        });
        EXPECT_TRUE(boxes.empty());
        EXPECT_EQ(app.widget<QLineEdit>(*box)->text(), QStringLiteral("5  "));
    }
    EXPECT_EQ(f.outyoubi.caption(), u"");
    EXPECT_EQ(f.secdisp.caption(), u"　　＊＊＊＊＊＊＊＊　　");
}

TEST(MainWindowTest, weekdayLookup_showsSentenceInOutyoubi) {
    RealApp app;
    MainForm& f = app.main();
    QTest::keyClicks(app.widget(f.inymd), QStringLiteral("2000/01/01"));
    const auto boxes =
        dismissingBoxes([&] { QTest::mouseClick(app.widget(f.okBotan), Qt::LeftButton); });
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(app.widget(f.outyoubi)->accessibleName(),
              QStringLiteral(" お探しの日の曜日は　土曜日　です"));
}

TEST(MainWindowTest, refusedEntry_reportsAndBlanksFocusedEntry) {
    const struct {
        const char* name;
        QString typed;
        QString message;
        QString title;
        QMessageBox::Icon icon;
    } rows[] = {
        {"out of range", QStringLiteral("9999/12/31"), QStringLiteral("入力間違いです"),
         QStringLiteral("kanmeri"), QMessageBox::NoIcon},
        {"not a date", QStringLiteral("2001/02/30"),
         QStringLiteral("年月日等の不正です。　再入力して下さい"), QStringLiteral("ERR 情報"),
         QMessageBox::Warning},
    };
    forEachRow(rows, [&](const auto& row) {
        RealApp app;
        MainForm& f = app.main();
        QTest::keyClicks(app.widget(f.inymd), row.typed);
        const auto boxes =
            dismissingBoxes([&] { QTest::mouseClick(app.widget(f.okBotan), Qt::LeftButton); });
        EXPECT_EQ(boxes.size(), 1U);
        if (!boxes.empty()) {
            EXPECT_EQ(boxes[0].text, row.message);
            EXPECT_EQ(boxes[0].title, row.title);
            EXPECT_EQ(boxes[0].icon, row.icon);
        }
        auto* entry = app.widget<QLineEdit>(f.inymd);
        EXPECT_EQ(entry->text(), QStringLiteral("  "));
        EXPECT_EQ(entry->cursorPosition(), 0);
        EXPECT_EQ(app.view(app.windows.main)->focusWidget(), entry);
    });
}

TEST(MainWindowTest, fortuneDraw_showsMessageInSecdisp) {
    RealApp app({15, 4, 0});  // second 0, digit 0: entry 1
    MainForm& f = app.main();
    QTest::mouseClick(app.widget(f.insuu), Qt::LeftButton);
    QTest::keyClicks(app.widget(f.insuu), QStringLiteral("0"));
    QTest::mouseClick(app.widget(f.stop), Qt::LeftButton);
    EXPECT_EQ(app.widget(f.secdisp)->accessibleName(),
              QStringLiteral(" 行動は計画的にするといいでしょう。　 "));
    EXPECT_EQ(app.widget<QLineEdit>(f.insuu)->text(), QString());
}

TEST(MainWindowTest, endings_stopTheEventLoopWithStatusZero) {
    const struct {
        const char* name;
        std::function<void(RealApp&)> act;
    } rows[] = {
        {"Command1",
         [](RealApp& app) { QTest::mouseClick(app.widget(app.main().Command1), Qt::LeftButton); }},
        {"window manager close", [](RealApp& app) { app.view(app.windows.main)->close(); }},
    };
    forEachRow(rows, [&](const auto& row) {
        RealApp app;
        EXPECT_EQ(runUntilEnd(app.services, [&] { row.act(app); }), 0);
        EXPECT_FALSE(app.program.anyLoaded());
    });
}

TEST(MainWindowTest, switching_opensClockWindowAndBringsMainBack) {
    RealApp app;
    ASSERT_NE(app.openClock(), nullptr);
    EXPECT_EQ(app.view(app.windows.main), nullptr);
    EXPECT_EQ(app.view(app.windows.clock)->size(), QSize(291, 105));
    windows::ClockForm& clock = app.windows.clock.controls();
    EXPECT_EQ(app.view(app.windows.clock)->focusWidget(), app.widget(clock.outtime1));
    QTest::mouseClick(app.widget(clock.Command1), Qt::LeftButton);
    ASSERT_NE(app.view(app.windows.main), nullptr);
    EXPECT_EQ(app.view(app.windows.clock), nullptr);
    EXPECT_TRUE(app.main().outtime0.value());
    EXPECT_EQ(app.view(app.windows.main)->focusWidget(), app.widget(app.main().inymd));
}

}  // namespace
}  // namespace kanmeri::platform::testing
