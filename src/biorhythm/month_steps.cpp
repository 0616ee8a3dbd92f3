#include "biorhythm/month_steps.h"

#include "calendar/month_step.h"
#include "shell/warnings.h"

namespace bio {

namespace {

// The boxes moved by `months`; false (after telling the user) when they hold
// no date that can step, and then they keep what was typed.
bool stepBoxes(Program& p, Screen& screen, const DateBoxes& boxes, int months) {
    const std::optional<Date> typed = steppableBoxes(p, screen, boxes);
    if (!typed) return false;
    const std::optional<Date> stepped = stepMonth(*typed, months);
    if (!stepped) {
        warn(p, months < 0 ? "1年1月より前の月には戻れません。"
                           : "9999年12月より後の月には進めません。");
        return false;
    }
    fillDateBoxes(screen, boxes, *stepped);
    return true;
}

}  // namespace

std::optional<Date> steppableBoxes(Program& p, const Screen& screen, const DateBoxes& boxes) {
    const std::optional<Date> typed = steppableDate(screen, boxes);
    if (!typed) {
        warn(p,
             "西暦年月日が正しい日付ではありません。年は1～9999、月は1～12、"
             "日は1～31の整数で入力してください。");
    }
    return typed;
}

void installMonthSteps(Program& p, ScreenId result, const MonthCommands& commands, ScreenId input,
                       const DateBoxes& boxes, const Program::Action& run) {
    for (const auto& step : {std::pair{commands.previous, -1}, std::pair{commands.next, 1}}) {
        const int months = step.second;
        p.setCommand(result, step.first, [input, boxes, run, months](Program& program) {
            if (stepBoxes(program, program.screen(input), boxes, months)) run(program);
        });
    }
}

}  // namespace bio
