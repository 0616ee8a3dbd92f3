// The day count of a reading and the weekdays shown on sindan.

#include "biorhythm/day_count.h"

#include "reading/reading.h"
#include "shell/program.h"
#include "shell/sindan_controls.h"
#include "state/numbers.h"

namespace bio {

void calcdays(Program& p) {
    DiagnosisState& s = p.state();
    s.y1 = s.byear;
    const DayCount reading = dayCountFor({s.y1, s.m1, s.d1}, {s.y2, s.m2, s.d2});
    s.daynum2 = reading.dayNumber;
    s.daynum1 = reading.birthDayNumber;
    s.days = reading.days;
    s.bodyday = reading.cycle.body;
    if (s.person >= 0 && s.person < static_cast<int>(s.emoday.size())) {
        s.emoday[static_cast<std::size_t>(s.person)] = static_cast<int16_t>(reading.cycle.emotion);
    }
    s.intday = reading.cycle.intellect;
}

void weekday1(Program& p) {
    const std::optional<int> weekday = weekdayOf(p.state().daynum1);
    // A fractional birth day has no weekday: show none rather than leave the
    // previous person's weekday standing beside this person's reading.
    p.screen(ScreenId::sindan)
        .setText(sindan::kBirthWeekdayBox,
                 weekday ? std::string(weekdayName(*weekday)) : std::string());
}

void weekday2(Program& p) {
    DiagnosisState& s = p.state();
    Screen& screen = p.screen(ScreenId::sindan);
    screen.setText(sindan::kMonthBox, numberText(s.m2));
    const std::optional<int> weekday = weekdayOf(roundHalfEven(s.daynum2));
    // Only a year too large for a double gives no weekday; the graph then
    // starts on Sunday instead of reading a meaningless index.
    s.wday2 = weekday.value_or(0);
    screen.setText(sindan::kFirstWeekdayBox,
                   weekday ? std::string(weekdayName(*weekday)) : std::string());
}

}  // namespace bio
