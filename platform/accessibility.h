#pragma once
// What assistive technology (AT-SPI on Linux) finds of the controls the
// program draws itself (DrawnControl): their control's role, name and
// description. A pressable one offers the standard press action, bound to its
// access key ("Alt+G"); the press runs once the call has returned, so that a
// handler's modal box does not hold up the screen reader. None takes the focus
// or offers a value. Each window's view is a frame to it.
#include <QAccessible>
#include <QWidget>

#include "model/control.h"

namespace kanmeri::platform {

// A window's voice to assistive technology: a never-shown widget that it
// finds as a notification. announce() has a screen reader speak `text` at
// once, without moving the focus; the same text again is spoken again.
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
