#include "shell/today.h"

#include <cstdio>

#include "shell/program.h"

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

}  // namespace bio
