#include "platform/beeper.h"

#include <canberra.h>
#include <dlfcn.h>

#include <QApplication>

namespace kanmeri::platform {

Beeper::~Beeper() {
    if (context_ != nullptr) {
        destroy_(context_);
    }
}

bool Beeper::open() {
    void* library = dlopen("libcanberra.so.0", RTLD_LAZY | RTLD_LOCAL);
    if (library == nullptr) {
        return false;
    }
    using Create = int (*)(ca_context**);
    const auto create = reinterpret_cast<Create>(dlsym(library, "ca_context_create"));
    destroy_ = reinterpret_cast<Destroy>(dlsym(library, "ca_context_destroy"));
    play_ = reinterpret_cast<Play>(dlsym(library, "ca_context_play"));
    if (create == nullptr || destroy_ == nullptr || play_ == nullptr ||
        create(&context_) != CA_SUCCESS) {
        context_ = nullptr;
        return false;
    }
    return true;
}

void Beeper::beep() {
    if (!unavailable_ && context_ == nullptr && !open()) {
        unavailable_ = true;
    }
    if (!unavailable_) {
        const int result = play_(context_, 0, CA_PROP_EVENT_ID, "bell", nullptr);
        if (result == CA_SUCCESS) {
            return;
        }
        // Without a sound driver every later try would fail the same way, and
        // slowly; a missing theme sound may still be found another time.
        unavailable_ = result != CA_ERROR_NOTFOUND;
    }
    QApplication::beep();
}

}  // namespace kanmeri::platform
