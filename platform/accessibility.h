#pragma once
// What assistive technology (a screen reader, through AT-SPI on Linux) finds
// of the controls the program draws itself (DrawnControl: labels, shapes):
// the role, name and description their controls give. Stock widgets keep the
// toolkit's own accessibility, named and described from their controls too.
// A drawn control that can be pressed (a label with a Click handler) offers the toolkit's standard
// press action, which raises its Click exactly as a mouse click on it does, once the call that
// asked for it has returned, so a handler that opens a modal message box does not hold the caller's
// reply until the box is closed; its key binding is the control's access key in portable form
// ("Alt+G"). None of them takes the focus, and none offers a value: nothing a screen reader could
// invoke changes them. Each window's view is a top-level window (a frame) to it.
#include <QAccessible>
#include <QWidget>

#include "model/control.h"

namespace kanmeri::platform {

// A window's voice to assistive technology: a widget of the window that is
// never shown and that assistive technology finds as a notification.
// announce() has a screen reader speak `text` once, at once, without moving
// the focus or changing anything on screen; the same text again is spoken
// again.
class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* window);
    void announce(const QString& text);
};

// The toolkit's role for a control's role.
[[nodiscard]] QAccessible::Role toAccessibleRole(model::Role role);

// Installs the factory for the program's own widgets; once per process,
// after the application object exists.
void installAccessibility();

}  // namespace kanmeri::platform
