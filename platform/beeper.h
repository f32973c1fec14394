#pragma once
// The desktop's alert sound: the sound theme's "bell" event, or the
// toolkit's beep where no sound theme answers. Never fails.
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
    ca_context* context_ = nullptr;
    bool unavailable_ = false;  // the sound theme failed once; use the fallback
};

}  // namespace kanmeri::platform
