#pragma once
// The machine's local date and time of day.
#include "model/clock.h"

namespace kanmeri::platform {

class QtClock : public model::Clock {
public:
    [[nodiscard]] model::LocalTime read() const override;
};

}  // namespace kanmeri::platform
