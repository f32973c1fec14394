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
    if (!unavailable_ && context_ == nullptr && ca_context_create(&context_) != CA_SUCCESS) {
        context_ = nullptr;
        unavailable_ = true;
    }
    if (!unavailable_ &&
        ca_context_play(context_, 0, CA_PROP_EVENT_ID, "bell", nullptr) == CA_SUCCESS) {
        return;
    }
    QApplication::beep();
}

}  // namespace kanmeri::platform
