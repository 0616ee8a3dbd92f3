#include "shell/today.h"

#include <cstdio>

#include "calendar/month_step.h"
#include "shell/program.h"
#include "state/numbers.h"

namespace bio {

std::string dateText(int year, int month, int day) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d/%02d/%02d", year, month, day);
    return buffer;
}

void fillDateBoxes(Screen& screen, const DateBoxes& boxes, const Date& date) {
    std::string text = dateText(date.year, date.month, date.day);
    screen.setText(boxes[0], text.substr(0, 4));
    screen.setText(boxes[1], text.substr(5, 2));
    screen.setText(boxes[2], text.substr(8, 2));
}

void fillTodayDate(Program& p, Screen& screen, const DateBoxes& boxes) {
    fillDateBoxes(screen, boxes, p.clock().today());
}

DateNumbers typedDate(const Screen& screen, const DateBoxes& boxes) {
    return {numericValue(screen.text(boxes[0])), numericValue(screen.text(boxes[1])),
            numericValue(screen.text(boxes[2]))};
}

std::optional<Date> steppableDate(const Screen& screen, const DateBoxes& boxes) {
    return steppableDate(typedDate(screen, boxes));
}

std::optional<Date> realDate(const Screen& screen, const DateBoxes& boxes) {
    return realDate(typedDate(screen, boxes));
}

}  // namespace bio
