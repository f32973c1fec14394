#pragma once
// The desktop's alert sound: the sound theme's "bell" event, or the
// toolkit's beep where no sound theme answers. Never fails.
//
// The sound library (libcanberra.so.0) and the codecs it pulls in are loaded
// on the first beep, not at start; without the library every beep is the
// toolkit's. Once loaded it stays for the life of the process, since its
// sound drivers may keep threads of their own.
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
    using Destroy = int (*)(ca_context*);
    using Play = int (*)(ca_context*, unsigned, ...);

    bool open();

    ca_context* context_ = nullptr;
    Destroy destroy_ = nullptr;
    Play play_ = nullptr;
    bool unavailable_ = false;  // no library, or it failed once; use the fallback
};

}  // namespace kanmeri::platform
