#pragma once
// 前月 and 翌月 on a result screen: the input screen's target date one month
// back or on, then the input screen's own run, so that a user steps through
// the months without retyping them.

#include "shell/program.h"
#include "shell/today.h"

namespace bio {

// The result screen's zengetu and yokugetu: each moves the date in `boxes` of
// `input` and then runs `run`. A date that cannot step is refused with a
// warning and changes nothing.
void installMonthSteps(Program& p, ScreenId result, ScreenId input, const DateBoxes& boxes,
                       const Program::Action& run);

}  // namespace bio
