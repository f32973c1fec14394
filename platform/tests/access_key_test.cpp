// The fortune drawn from the keyboard alone: Alt+G does what a click on ＧＯ
// does, while Enter stays a key of the entries and ＧＯ never takes the focus.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QLineEdit>

#include "model/tests/support/printers.h"
#include "platform/tests/fixture.h"
#include "platform/tests/real_app.h"

namespace kanmeri::platform::testing {
namespace {

// What a draw leaves behind, as the user sees it.
struct Outcome {
    QString secdisp;
    std::vector<QString> boxes;  // text and title of each message box
    QString insuu;
    QString focus;  // object name of the focus widget

    friend bool operator==(const Outcome&, const Outcome&) = default;
};

void PrintTo(const Outcome& o, std::ostream* os) {
    *os << "secdisp '" << o.secdisp.toStdString() << "', " << o.boxes.size() << " boxes, insuu '"
        << o.insuu.toStdString() << "', focus " << o.focus.toStdString();
}

enum class Press { Click, AltG };

Outcome draw(const QString& typed, Press press) {
    RealApp app({15, 4, 27});
    windows::MainForm& f = app.main();
    app.services.setFocus(f.insuu);
    QTest::keyClicks(app.widget(f.insuu), typed);
    const auto seen = dismissingBoxes([&] {
        if (press == Press::Click) {
            QTest::mouseClick(app.widget(f.stop), Qt::LeftButton);
        } else {
            QTest::keyClick(app.widget(f.insuu), Qt::Key_G, Qt::AltModifier);
        }
    });
    const QWidget* focus = app.view(app.windows.main)->focusWidget();
    Outcome out{app.widget(f.secdisp)->accessibleName(),
                {},
                app.widget<QLineEdit>(f.insuu)->text(),
                focus ? focus->objectName() : QString()};
    for (const SeenBox& box : seen) {
        out.boxes.push_back(box.title + u'|' + box.text);
    }
    return out;
}

TEST(AccessKeyTest, altG_drawsExactlyAsClickOnGo) {
    const struct {
        const char* name;
        QString typed;
        int boxes;
    } rows[] = {
        {"digit", QStringLiteral("5"), 0},
        {"empty", QString(), 1},
        {"not a number", QStringLiteral("a"), 1},
        {"out of range", QStringLiteral("12"), 1},
    };
    forEachRow(rows, [&](const auto& row) {
        const Outcome clicked = draw(row.typed, Press::Click);
        EXPECT_EQ(draw(row.typed, Press::AltG), clicked);
        EXPECT_EQ(static_cast<int>(clicked.boxes.size()), row.boxes);
        if (row.boxes == 0) {
            EXPECT_NE(clicked.secdisp, QStringLiteral("　　＊＊＊＊＊＊＊＊　　"));
        }
    });
}

TEST(AccessKeyTest, altG_drawsFromAnyControlOfTheWindow) {
    RealApp app({15, 4, 27});
    windows::MainForm& f = app.main();
    app.services.setFocus(f.insuu);
    QTest::keyClicks(app.widget(f.insuu), QStringLiteral("5"));
    app.widget(f.okBotan)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(app.widget(f.okBotan), Qt::Key_G, Qt::AltModifier);
    EXPECT_NE(app.widget(f.secdisp)->accessibleName(), QStringLiteral("　　＊＊＊＊＊＊＊＊　　"));
}

TEST(AccessKeyTest, enterAndCtrlEnter_appendOneBlankEachAndDrawNothing) {
    RealApp app;
    windows::MainForm& f = app.main();
    app.services.setFocus(f.insuu);
    QTest::keyClicks(app.widget(f.insuu), QStringLiteral("5"));
    const auto boxes = dismissingBoxes([&] {
        QTest::keyClick(app.widget(f.insuu), Qt::Key_Return);
        QTest::keyClick(app.widget(f.insuu), Qt::Key_Return, Qt::ControlModifier);
        QTest::keyClick(app.widget(f.insuu), Qt::Key_Enter, Qt::ControlModifier);
    });
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(app.widget<QLineEdit>(f.insuu)->text(), QStringLiteral("5   "));
    EXPECT_EQ(f.secdisp.caption(), u"　　＊＊＊＊＊＊＊＊　　");
}

TEST(AccessKeyTest, go_neverTakesTheFocus) {
    RealApp app;
    windows::MainForm& f = app.main();
    QWidget* go = app.widget(f.stop);
    QWidget* view = app.view(app.windows.main);
    EXPECT_EQ(go->focusPolicy(), Qt::NoFocus);
    const auto boxes = dismissingBoxes([&] {
        QTest::keyClick(app.widget(f.inymd), Qt::Key_G, Qt::AltModifier);
        QTest::mouseClick(go, Qt::LeftButton);
    });
    EXPECT_EQ(boxes.size(), 2U);  // the empty entry, refused twice
    EXPECT_NE(view->focusWidget(), go);
    for (int i = 0; i < 10; ++i) {
        QTest::keyClick(view->focusWidget(), Qt::Key_Tab);
        EXPECT_NE(view->focusWidget(), go);
    }
    EXPECT_EQ(go->accessibleName(), QStringLiteral("ＧＯ"));  // no underline, no marker
}

TEST(AccessKeyTest, pressAction_reportsItsKeyBinding) {
    RealApp app;
    const struct {
        const char* name;
        const model::Control& control;
        QStringList bindings;
    } rows[] = {
        {"stop", app.main().stop, {QStringLiteral("Alt+G")}},
        {"okBotan", app.main().okBotan, {}},
    };
    // A fatal failure ends its own row only.
    const auto expectBindings = [&app](const model::Control& control, const QStringList& wanted) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(app.widget(control));
        ASSERT_NE(iface, nullptr);
        ASSERT_NE(iface->actionInterface(), nullptr);
        QStringList bindings = iface->actionInterface()->keyBindingsForAction(
            QAccessibleActionInterface::pressAction());
        bindings.removeAll(QString());  // the toolkit's buttons report an empty one
        EXPECT_EQ(bindings, wanted);
    };
    forEachRow(rows, [&](const auto& row) { expectBindings(row.control, row.bindings); });
}

}  // namespace
}  // namespace kanmeri::platform::testing
