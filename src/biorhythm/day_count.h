#pragma once
// The day count and weekday procedures over the diagnosis state: each makes a
// reading's values and leaves them where the other procedures look.

namespace bio {

class Program;

// Reads byear, m1, d1, y2, m2, d2, person; writes y1, daynum1, daynum2, days,
// bodyday, emoday(person), intday.
void calcdays(Program& p);

// Writes the weekday of the birth (daynum1) into sindan.Text1.
void weekday1(Program& p);
// Writes m2 into sindan.Text3, the weekday index of daynum2 into wday2 and its name into
// sindan.Text2.
void weekday2(Program& p);

}  // namespace bio
