#pragma once
// The desktop's alert sound: the sound theme's "bell" event, or the
// toolkit's beep where the sound library cannot play it (no sound server or
// device, no theme sound). Never fails and never throws.
struct ca_context;

namespace kanmeri::platform {

class Beeper {
public:
    Beeper() = default;
    Beeper(const Beeper&) = delete;
    Beeper& operator=(const Beeper&) = delete;
    ~Beeper();

    void beep();

private:
    ca_context* context_ = nullptr;  // made on the first beep
    bool silent_ = false;            // the library cannot play here; use the fallback
};

}  // namespace kanmeri::platform
