#pragma once
// The widgets that draw the model, found as a user's tools find them: a
// window's view is the visible top-level widget named after the window, and a
// control's widget is its child named after the control ("outtime(1)" for a
// member of a control array).
#include <QApplication>
#include <QWidget>

#include "model/control.h"
#include "model/form.h"
#include "model/window.h"

namespace kanmeri::platform::testing {

inline QWidget* viewOf(const model::Window& window) {
    const QString name = QString::fromStdU16String(window.design().name);
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name && widget->isVisible()) {
            return widget;
        }
    }
    return nullptr;
}

template <typename T = QWidget>
T* widgetOf(const model::Control& control) {
    QString name = QString::fromStdU16String(control.name());
    if (control.design().index) {
        name += QStringLiteral("(%1)").arg(*control.design().index);
    }
    QWidget* view = viewOf(control.form().window());
    return view == nullptr ? nullptr : view->findChild<T*>(name);
}

}  // namespace kanmeri::platform::testing
