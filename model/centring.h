#pragma once
// Places a window in the middle of the primary screen.
#include "model/geometry.h"

namespace kanmeri::model {

class Window;

// Left = (screen width - Width) / 2 and Top = (screen height - Height) / 2 in
// single precision, from the window's outer size; a window larger than the
// screen gets a negative position, set as computed.
void centre(Window& window, ScreenSize screen);

}  // namespace kanmeri::model
