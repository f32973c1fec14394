#include "model/window.h"

namespace kanmeri::model {

void Window::load() {
    if (loaded_) {
        return;
    }
    current_ = createForm();
    loaded_ = true;
    formLoad();
    // The Load handler may have unloaded the window again.
    if (loaded_) {
        current_->live_ = true;
    }
}

void Window::unload() {
    if (!loaded_) {
        return;
    }
    loaded_ = false;
    current_->live_ = false;
    current_->setObserver({});
    retired_ = std::move(current_);
}

void Window::centre(ScreenSize screen) {
    left_ = (screen.width - width()) / 2.0F;
    top_ = (screen.height - height()) / 2.0F;
}

}  // namespace kanmeri::model
