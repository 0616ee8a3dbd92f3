#include "shell/today.h"

#include <cstdio>

#include "shell/program.h"

namespace bio {

std::string dateText(int year, int month, int day) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d/%02d/%02d", year, month, day);
    return buffer;
}

void fillTodayDate(Program& p, Screen& screen, const std::string& yearKey,
                   const std::string& monthKey, const std::string& dayKey) {
    Date today = p.clock().today();
    std::string text = dateText(today.year, today.month, today.day);
    screen.setText(yearKey, text.substr(0, 4));
    screen.setText(monthKey, text.substr(5, 2));
    screen.setText(dayKey, text.substr(8, 2));
}

}  // namespace bio
