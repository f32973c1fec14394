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

namespace kanmeri::platform::testing {
namespace {

using windows::MainForm;

struct Row {
    const char* name;
    model::Control& (*control)(MainForm&);
    QRect px;  // width and height 0: auto-size, checked separately
    int pixelSize;
    bool bold;
    bool italic;
    std::optional<QColor> colour;
};

#define CONTROL(member) [](MainForm& f) -> model::Control& { return f.member; }

const Row kRows[] = {
    {"inymd", CONTROL(inymd), {160, 152, 137, 28}, 19, true, false, {}},
    {"dspdate", CONTROL(dspdate), {56, 56, 0, 0}, 16, true, true, QColor(0x008000)},
    {"dsptime", CONTROL(dsptime), {288, 56, 0, 0}, 16, true, true, QColor(0x008000)},
    {"dsp01", CONTROL(dsp01), {144, 24, 241, 25}, 16, true, false, QColor(0x008000)},
    {"Frame1", CONTROL(Frame1), {440, 24, 121, 65}, 13, true, false, {}},
    {"outtime(0)", CONTROL(outtime0), {8, 16, 105, 25}, 12, true, false, {}},
    {"outtime(1)", CONTROL(outtime1), {8, 40, 105, 17}, 12, true, false, {}},
    {"noﾎﾞﾀﾝ", CONTROL(noBotan), {392, 152, 57, 25}, 13, true, false, {}},
    {"okﾎﾞﾀﾝ", CONTROL(okBotan), {320, 152, 57, 25}, 19, true, false, {}},
    {"Label5", CONTROL(Label5), {48, 120, 177, 17}, 13, true, false, QColor(0x008000)},
    {"Label6", CONTROL(Label6), {216, 120, 321, 17}, 13, true, false, QColor(0x008000)},
    {"outyoubi", CONTROL(outyoubi), {104, 192, 305, 25}, 16, true, false, QColor(0xFF0000)},
    {"Label1", CONTROL(Label1), {48, 152, 113, 25}, 16, true, true, QColor(0xC00000)},
    {"start", CONTROL(start), {24, 240, 225, 49}, 15, true, false, QColor(0x800000)},
    {"stop", CONTROL(stop), {304, 256, 49, 25}, 19, true, false, {}},
    {"secdisp", CONTROL(secdisp), {40, 296, 0, 0}, 19, true, true, QColor(0xFF00FF)},
    {"insuu", CONTROL(insuu), {264, 256, 25, 30}, 21, false, false, {}},
    {"lblgoto", CONTROL(lblgoto), {368, 264, 201, 17}, 15, false, true, QColor(0x800080)},
    {"Label2", CONTROL(Label2), {8, 8, 177, 17}, 13, true, false, {}},
    {"Command1", CONTROL(Command1), {464, 192, 97, 41}, 12, true, false, {}},
    {"Command2", CONTROL(Command2), {440, 0, 137, 17}, 13, true, false, {}},
    {"shpwaku", CONTROL(shpwaku), {56, 88, 361, 9}, 0, false, false, {}},
    {"shpscale", CONTROL(shpscale), {56, 88, 49, 9}, 0, false, false, {}},
};

TEST(MainWindowTest, layout_matchesDesignInPixels) {
    RealApp app;
    EXPECT_EQ(app.view(app.windows.main)->size(), QSize(580, 340));
    EXPECT_EQ(app.view(app.windows.main)->windowTitle(),
              QStringLiteral("曜日探し　＆　今週から1週間の運勢占い（当たるかな？）"));
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        QWidget* w = app.widget(row.control(app.main()));
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->pos(), row.px.topLeft());
        if (row.px.width() > 0) {
            EXPECT_EQ(w->size(), row.px.size());
        } else {
            EXPECT_NEAR(w->width(),
                        QFontMetricsF(w->font()).horizontalAdvance(w->accessibleName()) + 4, 1.0);
        }
        if (row.pixelSize > 0) {
            EXPECT_EQ(w->font().pixelSize(), row.pixelSize);
            EXPECT_EQ(w->font().bold(), row.bold);
            EXPECT_EQ(w->font().italic(), row.italic);
        }
        if (row.colour) {
            EXPECT_EQ(w->palette().color(QPalette::WindowText), *row.colour);
        }
    }
}

TEST(MainWindowTest, accessibility_namesAndRolesAreTheRowsExactly) {
    RealApp app;
    MainForm& f = app.main();
    QTest::keyClicks(app.widget(f.inymd), QStringLiteral("2000/01/01"));
    const struct {
        const char* name;
        const model::Control& control;
        QString expected;
        QAccessible::Role role;
    } rows[] = {
        {"inymd, typed into", f.inymd, QStringLiteral("お探しの年月日（yyyy/mm/dd）"),
         QAccessible::EditableText},
        {"insuu", f.insuu, QStringLiteral("好きな数字（１桁）"), QAccessible::EditableText},
        {"stop", f.stop, QStringLiteral("ＧＯ"), QAccessible::StaticText},
        {"okﾎﾞﾀﾝ", f.okBotan, QStringLiteral("ＯＫ"), QAccessible::Button},
        {"outtime(1)", f.outtime1, QStringLiteral("２４時間表示"), QAccessible::RadioButton},
        {"Frame1", f.Frame1, QStringLiteral("時刻表示切替"), QAccessible::Grouping},
        {"shpwaku", f.shpwaku, QString(), QAccessible::Graphic},
        {"shpscale", f.shpscale, QStringLiteral("秒の進み"), QAccessible::ProgressBar},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(app.widget(row.control));
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(QAccessible::Name), row.expected);
        EXPECT_EQ(a->role(), row.role);
    }
    {
        SCOPED_TRACE("main window");
        expectAccessAsModelled(f);
    }
    QTest::mouseClick(app.widget(f.Command2), Qt::LeftButton);
    ASSERT_NE(app.view(app.windows.clock), nullptr);
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
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        RealApp app;
        MainForm& f = app.main();
        QTest::keyClicks(app.widget(f.inymd), row.typed);
        const auto boxes =
            dismissingBoxes([&] { QTest::mouseClick(app.widget(f.okBotan), Qt::LeftButton); });
        ASSERT_EQ(boxes.size(), 1U);
        EXPECT_EQ(boxes[0].text, row.message);
        EXPECT_EQ(boxes[0].title, row.title);
        EXPECT_EQ(boxes[0].icon, row.icon);
        auto* entry = app.widget<QLineEdit>(f.inymd);
        EXPECT_EQ(entry->text(), QStringLiteral("  "));
        EXPECT_EQ(entry->cursorPosition(), 0);
        EXPECT_EQ(app.view(app.windows.main)->focusWidget(), entry);
    }
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
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        RealApp app;
        EXPECT_EQ(runUntilEnd(app.services, [&] { row.act(app); }), 0);
        EXPECT_FALSE(app.program.anyLoaded());
    }
}

TEST(MainWindowTest, switching_opensClockWindowAndBringsMainBack) {
    RealApp app;
    QTest::mouseClick(app.widget(app.main().Command2), Qt::LeftButton);
    ASSERT_NE(app.view(app.windows.clock), nullptr);
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
