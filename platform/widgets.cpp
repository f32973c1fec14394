// The views of the controls that a stock widget draws, and the factory that
// makes the view of any control.
#include <QAccessible>
#include <QDateTime>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QShortcut>
#include <QTimer>
#include <functional>
#include <limits>

#include "model/controls.h"
#include "platform/button_widget.h"
#include "platform/control_view.h"
#include "platform/label_widget.h"
#include "platform/look.h"

namespace kanmeri::platform {

namespace {

// A single-line text box. A typed character reaches KeyPress before the text
// changes and the key's edit right after; other edits as they happen. Both
// Enter keys give 13, insert nothing and press no button. No input method:
// the entries take ASCII dates and digits.
class EntryWidget : public QLineEdit, public ControlView {
    [[nodiscard]] auto edited() {
        const auto caret = static_cast<std::size_t>(cursorPosition());
        return std::bind_front(&model::TextBox::edit, &box_, toText(text()), caret);
    }

public:
    EntryWidget(model::TextBox& box, Delivery& delivery, QWidget* parent)
        : QLineEdit(parent), box_(box), delivery_(delivery) {
        applyStyle(*this, box);
        const bool centred = box.design().alignment == model::Alignment::Centre;
        setAlignment((centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
        setMaxLength(std::numeric_limits<int>::max());
        setAttribute(Qt::WA_InputMethodEnabled, false);
        setFocusPolicy(Qt::StrongFocus);
        setText(toQString(box.text()));
        connect(this, &QLineEdit::textEdited, this, [this] { delivery_.deliver(&box_, edited()); });
    }

    void follow(model::Property property) override {
        // The user's own edit comes back unchanged; only a handler's moves the caret.
        const QString next = toQString(box_.text());
        if (property != model::Property::Text || next == text()) {
            return;
        }
        const QSignalBlocker quiet(this);
        // Only the focused entry tells assistive technology: a screen reader
        // takes a change elsewhere for a silent move of the focus, and then does
        // not name the entry that the handler focuses right after.
        const bool untold = !hasFocus();
        const auto told =
            untold ? QAccessible::installUpdateHandler([](QAccessibleEvent*) {}) : nullptr;
        setText(next);
        setCursorPosition(static_cast<int>(box_.caret()));
        if (untold) {
            QAccessible::installUpdateHandler(told);
        }
    }

    [[nodiscard]] QVariant inputMethodQuery(Qt::InputMethodQuery query) const override {
        // Qt 6 line edits ignore WA_InputMethodEnabled; the input method asks this.
        return query == Qt::ImEnabled ? QVariant(false) : QLineEdit::inputMethodQuery(query);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            delivery_.deliver(&box_, raising(box_.keyPress, std::int16_t{13}));
            // Taken here, so no default button of any dialog or window hears it.
            event->accept();
            return;
        }
        for (const QChar unit : event->text()) {
            if (unit.unicode() >= 0x20 && unit.unicode() != 0x7F) {
                delivery_.deliver(
                    &box_, raising(box_.keyPress, static_cast<std::int16_t>(unit.unicode())));
            }
        }
        {
            const QSignalBlocker once(this);  // delivered below, not from textEdited
            QLineEdit::keyPressEvent(event);
        }
        delivery_.deliver(&box_, edited());
    }

    void mousePressEvent(QMouseEvent* event) override {
        QLineEdit::mousePressEvent(event);
        if (event->button() == Qt::LeftButton) {
            delivery_.deliver(&box_, raising(box_.click));
        }
    }

private:
    model::TextBox& box_;
    Delivery& delivery_;
};

// A frame of option buttons: the buttons of one frame are one exclusive group.
class FrameWidget : public QGroupBox, public ControlView {
public:
    FrameWidget(model::Frame& frame, QWidget* parent) : QGroupBox(parent), frame_(frame) {
        applyStyle(*this, frame);
        setFocusPolicy(Qt::NoFocus);
        FrameWidget::follow(model::Property::Caption);
    }

    void follow(model::Property property) override {
        if (property == model::Property::Caption) {
            setTitle(toQString(frame_.caption()));
        }
    }

private:
    model::Frame& frame_;
};

// An option button. Only the selected button of a group is a tab stop; the
// arrow keys move focus and selection inside the group.
class OptionWidget : public QRadioButton, public ControlView {
public:
    OptionWidget(model::OptionButton& option, Delivery& delivery, QWidget* parent)
        : QRadioButton(parent), option_(option) {
        applyStyle(*this, option);
        setAutoExclusive(true);
        OptionWidget::follow(model::Property::Caption);
        OptionWidget::follow(model::Property::Value);
        connect(this, &QRadioButton::toggled, this, [this, &delivery](bool checked) {
            if (checked) {
                delivery.deliver(&option_, std::bind_front(&model::OptionButton::select, &option_));
            }
        });
    }

    void follow(model::Property property) override {
        if (property == model::Property::Caption) {
            setText(toQString(option_.caption()));
        } else if (property == model::Property::Value) {
            const QSignalBlocker quiet(this);
            setChecked(option_.value());
            setFocusPolicy(option_.value() ? Qt::StrongFocus : Qt::ClickFocus);
        }
    }

private:
    model::OptionButton& option_;
};

// A rectangle shape: an opaque fill inside a 1 px plain border.
class ShapeWidget : public DrawnControl {
public:
    ShapeWidget(const model::Shape& shape, QWidget* parent) : DrawnControl(shape, parent) {
        setFocusPolicy(Qt::NoFocus);
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(1);
        QPalette p = palette();
        p.setColor(QPalette::Window, toColour(shape.design().fill));
        p.setColor(QPalette::WindowText, toColour(shape.design().line));
        setPalette(p);
        setAutoFillBackground(true);
    }
};

// Runs from the moment its window's view is built, which is after Load; keeps
// its phase (a coarse timer would follow the monotonic clock), and a tick off
// the grid arms it for the next grid tick, and that one for every interval.
class TimerView : public QTimer, public ControlView {
public:
    TimerView(const model::Timer& timer, Delivery& delivery, QObject* parent) : QTimer(parent) {
        setTimerType(Qt::PreciseTimer);
        const int interval = timer.design().interval;
        connect(this, &QTimer::timeout, this, [this, interval, &timer, &delivery] {
            keepToGrid(interval);  // first, so that a handler unloading the window stops it
            delivery.deliver(&timer, raising(timer.timer));
        });
        start(model::msToTick(QDateTime::currentMSecsSinceEpoch(), interval));
    }

private:
    void keepToGrid(int interval) {
        const int next = model::msToTick(QDateTime::currentMSecsSinceEpoch(), interval);
        if (interval - next > model::Timer::kTickSlackMs) {
            start(next);
        } else if (this->interval() != interval) {
            start(interval);
        }
    }
};

template <typename View, typename Control, typename... Args>
View* make(model::Control& control, Args&&... args) {
    return new View(static_cast<Control&>(control), std::forward<Args>(args)...);
}

ControlView* makeOf(model::Control& control, Delivery& delivery, QWidget* parent) {
    using K = model::ControlKind;
    switch (control.kind()) {
        case K::TextBox: return make<EntryWidget, model::TextBox>(control, delivery, parent);
        case K::Label: return make<LabelWidget, model::Label>(control, delivery, parent);
        case K::CommandButton:
            return make<ButtonWidget, model::CommandButton>(control, delivery, parent);
        case K::OptionButton:
            return make<OptionWidget, model::OptionButton>(control, delivery, parent);
        case K::Frame: return make<FrameWidget, model::Frame>(control, parent);
        case K::Shape: return make<ShapeWidget, model::Shape>(control, parent);
        case K::Timer: return make<TimerView, model::Timer>(control, delivery, parent);
    }
    return nullptr;
}

}  // namespace

DrawnControl::DrawnControl(const model::Control& control, QWidget* parent)
    : QFrame(parent), role_(control.role()) {
    if (const char16_t key = control.design().accessKey; key != 0) {
        accessKey_ = QKeySequence(QKeyCombination(Qt::AltModifier, static_cast<Qt::Key>(key)));
        auto* shortcut = new QShortcut(accessKey_, this);
        connect(shortcut, &QShortcut::activated, this, [this] { press(); });
    }
}

ControlView* makeView(model::Control& control, Delivery& delivery, QWidget* parent) {
    ControlView* view = makeOf(control, delivery, parent);
    QString name = toQString(control.name());
    if (control.design().index) {
        name += QStringLiteral("(%1)").arg(*control.design().index);
    }
    dynamic_cast<QObject&>(*view).setObjectName(name);
    return view;
}

}  // namespace kanmeri::platform
