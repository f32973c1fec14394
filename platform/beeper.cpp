#include "platform/beeper.h"

#include <canberra.h>

#include <QApplication>

namespace kanmeri::platform {

Beeper::~Beeper() {
    if (context_ != nullptr) {
        ca_context_destroy(context_);
    }
}

void Beeper::beep() {
    if (!silent_ && context_ == nullptr && ca_context_create(&context_) != CA_SUCCESS) {
        context_ = nullptr;
        silent_ = true;
    }
    if (!silent_) {
        const int result = ca_context_play(context_, 0, CA_PROP_EVENT_ID, "bell", nullptr);
        if (result == CA_SUCCESS) {
            return;
        }
        // Without a sound driver every later try would fail the same way, and
        // slowly; a missing theme sound may still be found another time.
        silent_ = result != CA_ERROR_NOTFOUND;
    }
    QApplication::beep();
}

}  // namespace kanmeri::platform
