#pragma once
// GoogleTest printers for the recorded calls, and UTF-8 for UTF-16 texts.
#include <ostream>

#include "model/tests/support/recording_services.h"
#include "model/text.h"

namespace kanmeri::testing {

std::string utf8(model::TextView text);

void PrintTo(const ServiceCall& call, std::ostream* os);

}  // namespace kanmeri::testing
