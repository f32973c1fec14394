#pragma once
// What assistive technology finds of a window's controls: for every control
// drawn by a widget, the toolkit role of the control's role, and its name and
// description exactly as the model gives them.
#include <gtest/gtest.h>

#include <QAccessible>
#include <string>

#include "model/control.h"
#include "model/form.h"
#include "model/tests/support/printers.h"
#include "platform/accessibility.h"
#include "platform/look.h"
#include "platform/tests/widgets_of.h"

namespace kanmeri::platform::testing {

// The control's name as the widget's object name gives it: "outtime(1)" for
// a member of a control array.
inline std::string traceName(const model::Control& control) {
    std::string name = kanmeri::testing::utf8(control.name());
    if (control.design().index) {
        name += '(';
        name += std::to_string(*control.design().index);
        name += ')';
    }
    return name;
}

inline void expectAccessAsModelled(const model::Control& control) {
    QWidget* widget = widgetOf(control);
    if (control.kind() == model::ControlKind::Timer) {
        EXPECT_EQ(widget, nullptr);
        return;
    }
    ASSERT_NE(widget, nullptr);
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(widget);
    ASSERT_NE(a, nullptr);
    EXPECT_NE(control.role(), model::Role::None) << "a control with no role";
    EXPECT_EQ(a->role(), toAccessibleRole(control.role()));
    EXPECT_EQ(a->text(QAccessible::Name), toQString(control.accessibleName()));
    EXPECT_EQ(a->text(QAccessible::Description), toQString(control.description()));
}

// Every control of the form, each reported on its own.
inline void expectAccessAsModelled(const model::Form& form) {
    for (const auto& control : form.controls()) {
        SCOPED_TRACE(traceName(*control));
        expectAccessAsModelled(*control);
    }
}

}  // namespace kanmeri::platform::testing
