#pragma once
// The running date and time and the seconds bar.
#include "model/clock.h"
#include "model/controls.h"

namespace kanmeri::features {

// "2000年12月21日(木曜日)"
[[nodiscard]] model::Text dateText(model::Date date);
// "03:04:05 (PM)"; midnight 12:00:00 (AM), noon 12:00:00 (PM)
[[nodiscard]] model::Text time12Text(model::TimeOfDay time);
// "15:04:05"
[[nodiscard]] model::Text time24Text(model::TimeOfDay time);

struct ClockDisplay {
    model::Label& dspdate;
    model::Label& dsptime;
    model::OptionButton& twelveHour;  // outtime(0)
};

// Refreshes the date, then the time in the form the option buttons select;
// each caption wrapped in two spaces on both sides.
void Timer1_Timer(ClockDisplay display, const model::Clock& clock);

struct SecondsBar {
    model::Shape& shpwaku;   // the outline: full length
    model::Shape& shpscale;  // the filled part
};

// shpscale.Width = shpwaku.Width / 60 * second, in single precision.
void Timer2_Timer(SecondsBar bar, const model::Clock& clock);

}  // namespace kanmeri::features
