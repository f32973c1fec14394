#pragma once
// The text caret rests, steadily shown, once no key or button has been pressed
// for a while (ten seconds by default, as desktops do), so that an idle window
// does not wake the machine twice a second; a press or a change of focus sets
// it blinking again. The desktop's rate comes back when this object goes.
#include <QObject>
#include <QTimer>
#include <chrono>

namespace kanmeri::platform {

class CaretRest : public QObject {
public:
    explicit CaretRest(std::chrono::milliseconds after = std::chrono::seconds(10));
    ~CaretRest() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void wake();
    void rest();

    int flashTime_;  // the desktop's full blink period in ms; 0 for none
    bool resting_ = false;
    QTimer timer_;
};

}  // namespace kanmeri::platform
