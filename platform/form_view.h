#pragma once
// The view of one loaded window: a fixed-size top-level widget that draws the
// background picture and holds one view per control, made and stacked in the
// form's order (later controls above earlier ones). It is passive: it follows
// the form and hands every user event to the model through its own delivery.
// After detach() it delivers nothing and touches the model no more; it may be
// destroyed before or after the window it draws.
#include <QColor>
#include <QIcon>
#include <QImage>
#include <QWidget>
#include <functional>
#include <map>

#include "model/window.h"
#include "platform/accessibility.h"
#include "platform/control_view.h"
#include "platform/delivery.h"

namespace kanmeri::platform {

class FormView : public QWidget {
    Q_OBJECT

public:
    // `close` is what the window manager's close control does (unloading the
    // window). With a null `icon` the window keeps the application's icon.
    FormView(model::Window& window, model::Program& program, std::function<void()> close,
             const QIcon& icon);

    // Gives the focus to `control`'s widget; nothing for a control without one.
    void focus(const model::Control& control);
    // Gives the focus to the first focusable control.
    void start();
    // After its window has unloaded (which ends the form's notices): stops the
    // timers, delivers nothing more and stops following the window's position.
    void detach();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The widget of a control (null for a timer) and its view.
    struct Drawn {
        ControlView* view;
        QWidget* widget;
    };

    void setUpWindow();
    // Follows a change of `control`: its view what it shows, and the widget
    // where it stands and what assistive technology hears of it.
    void follow(const model::Control& control, model::Property property);
    [[nodiscard]] QWidget* widgetFor(const model::Control& control) const;
    void place();

    model::Window& window_;
    model::Form& form_;
    Delivery delivery_;
    std::function<void()> close_;
    QColor background_;
    QImage picture_;
    std::map<const model::Control*, Drawn> views_;
    Announcer* announcer_;
};

}  // namespace kanmeri::platform
