#pragma once
// 前月 and 翌月 on a result screen: the input screen's target date one month
// back or on, then the input screen's own run, so that a user steps through
// the months without retyping them.

#include <optional>

#include "shell/program.h"
#include "shell/today.h"

namespace bio {

// The date in `boxes` when it is one the months can step from; nullopt after
// telling the user what to type.
std::optional<Date> steppableBoxes(Program& p, const Screen& screen, const DateBoxes& boxes);

// The month commands of a result screen.
struct MonthCommands {
    const char* previous;  // "前月"
    const char* next;      // "翌月"
};

// The result screen's month commands: each moves the date in `boxes` of
// `input` and then runs `run`. A date that cannot step is refused with a
// warning and changes nothing.
void installMonthSteps(Program& p, ScreenId result, const MonthCommands& commands, ScreenId input,
                       const DateBoxes& boxes, const Program::Action& run);

}  // namespace bio
