#pragma once
// Every user-visible string is UTF-16, compared by code unit: this is the
// representation the toolkit uses and the one the range checks are defined on.
#include <string>
#include <string_view>

namespace kanmeri::model {

using Text = std::u16string;
using TextView = std::u16string_view;

// Title shown on every message box opened without a title of its own.
inline constexpr TextView kApplicationTitle = u"kanmeri";

}  // namespace kanmeri::model
