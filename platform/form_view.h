#pragma once
// The view of one loaded window: a fixed-size top-level widget that draws the
// background picture and holds one widget per control. It is passive: it
// follows the form's notifications and hands every user event to the model.
// After detach() it forwards nothing and touches the model no more; it may
// be destroyed before or after the window it draws.
#include <QColor>
#include <QIcon>
#include <QImage>
#include <QWidget>
#include <functional>
#include <map>
#include <vector>

#include "model/controls.h"
#include "model/window.h"
#include "platform/deliver.h"

class QTimer;

namespace kanmeri::platform {

class FormView : public QWidget {
    Q_OBJECT

public:
    // `deliver` runs handlers through the program; `close` is what the
    // window manager's close control does (unloading the window). With a
    // null `icon` the window keeps the application's icon.
    FormView(model::Window& window, Deliver deliver, Handler close, const QIcon& icon = {});
    ~FormView() override;

    // The widget drawing `control`, or null.
    [[nodiscard]] QWidget* widgetFor(const model::Control& control) const;
    // Gives the focus to the first focusable control and starts the timers.
    void start();
    // Stops the timers and cuts every tie to the model.
    void detach();
    [[nodiscard]] bool attached() const { return attached_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    struct Entry {
        QWidget* widget = nullptr;
        std::function<void(model::Property)> sync;
    };

    void setUpWindow();
    void buildControls();
    void addControl(model::Control& control);
    void stack();
    void chainTabs();
    void follow(model::Control& control, model::Property property);
    void place();

    model::Window& window_;
    model::Form& form_;
    Deliver deliver_;
    Handler close_;
    bool attached_ = true;
    QColor background_;
    QImage picture_;
    std::map<const model::Control*, Entry> widgets_;
    std::vector<std::pair<QTimer*, const model::Timer*>> timers_;
};

}  // namespace kanmeri::platform
