#include "model/centring.h"

#include "model/window.h"

namespace kanmeri::model {

void centre(Window& window, ScreenSize screen) {
    window.setLeft((screen.width - window.width()) / 2.0F);
    window.setTop((screen.height - window.height()) / 2.0F);
}

}  // namespace kanmeri::model
