#pragma once
// How a widget hands a user event to the model: the handler runs through the
// program's dispatch, which also decides whether the program ends.
#include <functional>

namespace kanmeri::platform {

using Handler = std::function<void()>;
using Deliver = std::function<void(const Handler&)>;

}  // namespace kanmeri::platform
