#include "features/running_clock.h"

#include "features/conversions.h"
#include "features/weekday_lookup.h"

namespace kanmeri::features {

namespace {

constexpr model::TextView kMargin = u"  ";

// `value` as exactly `width` ASCII digits, zero-padded on the left.
void appendDigits(model::Text& out, int value, int width) {
    out.append(static_cast<std::size_t>(width), u'0');
    for (auto digit = out.rbegin(); digit != out.rbegin() + width; ++digit) {
        *digit = static_cast<char16_t>(u'0' + value % 10);
        value /= 10;
    }
}

model::Text clockText(int hour, model::TimeOfDay time) {
    model::Text out;
    appendDigits(out, hour, 2);
    out += u':';
    appendDigits(out, time.minute, 2);
    out += u':';
    appendDigits(out, time.second, 2);
    return out;
}

model::Text framed(const model::Text& text) {
    return model::Text(kMargin) + text + model::Text(kMargin);
}

}  // namespace

model::Text dateText(model::Date date) {
    model::Text out;
    appendDigits(out, date.year, 4);
    out += u'年';
    appendDigits(out, date.month, 2);
    out += u'月';
    appendDigits(out, date.day, 2);
    out += u"日(";
    out += kWeekdayNames.at(static_cast<std::size_t>(weekdayOf(date) - 1));
    out += u')';
    return out;
}

model::Text time12Text(model::TimeOfDay time) {
    const int hour = time.hour % 12 == 0 ? 12 : time.hour % 12;
    return clockText(hour, time) + (time.hour < 12 ? u" (AM)" : u" (PM)");
}

model::Text time24Text(model::TimeOfDay time) {
    return clockText(time.hour, time);
}

void Timer1_Timer(ClockDisplay display, const model::Clock& clock) {
    const model::LocalTime now = clock.read();
    display.dspdate.setCaption(framed(dateText(now.date)));
    const bool twelveHour = display.twelveHour.value();
    display.dsptime.setCaption(framed(twelveHour ? time12Text(now.time) : time24Text(now.time)));
}

void Timer2_Timer(SecondsBar bar, const model::Clock& clock) {
    const float step = bar.shpwaku.width() / 60.0F;
    bar.shpscale.setWidth(step * static_cast<float>(clock.read().time.second));
}

}  // namespace kanmeri::features
