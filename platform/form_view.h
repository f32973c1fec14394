#pragma once
// The view of one loaded window: a fixed-size top-level widget that draws the
// background picture and holds one view per control, stacked in the form's
// order. It follows the form and hands every user event to its own delivery;
// after detach() it touches the model no more, and may outlive the window.
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
    // A fixed-size window with a title bar, a window menu, and buttons to
    // minimise and to close it.
    static constexpr Qt::WindowFlags kFlags{
        Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
        Qt::WindowCloseButtonHint};

    // `close` is what the window manager's close control does (unloading the
    // window). With a null `icon` the window keeps the application's icon.
    FormView(model::Window& window, model::Program& program, std::function<void()> close,
             const QIcon& icon);

    // Gives the focus to `control`'s widget; nothing for a control without one.
    void focus(const model::Control& control);
    // Gives the focus to the first focusable control.
    void start();
    // After its window has unloaded: stops the timers and delivers nothing more.
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
    // Its view follows what it shows; the widget where it stands and its name.
    void follow(const model::Control& control, model::Property property);
    [[nodiscard]] QWidget* widgetFor(const model::Control& control) const;

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
