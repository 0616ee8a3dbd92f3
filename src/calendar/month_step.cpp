#include "calendar/month_step.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "state/numbers.h"
#include "ui/screen.h"

namespace bio {

namespace {

constexpr int kFirstYear = 1;
constexpr int kLastYear = 9999;

bool wholeIn(double value, int low, int high) {
    return value == std::floor(value) && value >= low && value <= high;
}

int daysInMonth(int year, int month) {
    const std::chrono::year_month_day_last end{std::chrono::year{year} /
                                               std::chrono::month{static_cast<unsigned>(month)} /
                                               std::chrono::last};
    return static_cast<int>(static_cast<unsigned>(end.day()));  // 28..31
}

// A checker of three numbers applied to what the boxes hold.
std::optional<Date> typedDate(Screen& screen, const DateBoxes& boxes,
                              std::optional<Date> (*check)(double, double, double)) {
    return check(numericValue(screen.text(boxes[0])), numericValue(screen.text(boxes[1])),
                 numericValue(screen.text(boxes[2])));
}

}  // namespace

std::optional<Date> steppableDate(Screen& screen, const DateBoxes& boxes) {
    return typedDate(screen, boxes, steppableDate);
}

std::optional<Date> realDate(Screen& screen, const DateBoxes& boxes) {
    return typedDate(screen, boxes, realDate);
}

std::optional<Date> steppableDate(double year, double month, double day) {
    if (!wholeIn(year, kFirstYear, kLastYear) || !wholeIn(month, 1, 12) || !wholeIn(day, 1, 31))
        return std::nullopt;
    return Date{static_cast<int>(year), static_cast<int>(month), static_cast<int>(day)};
}

std::optional<Date> realDate(double year, double month, double day) {
    const std::optional<Date> date = steppableDate(year, month, day);
    if (!date || date->day > daysInMonth(date->year, date->month)) return std::nullopt;
    return date;
}

std::optional<Date> stepMonth(const Date& date, int months) {
    // Months counted from January of year 0, so that the year follows by division.
    const long count = date.year * 12L + (date.month - 1) + months;
    const long year = count / 12;  // count >= 0 for every year that is kept
    if (count < 0 || year < kFirstYear || year > kLastYear) return std::nullopt;
    const int month = static_cast<int>(count % 12) + 1;  // 1..12
    const int y = static_cast<int>(year);
    return Date{y, month, std::min(date.day, daysInMonth(y, month))};
}

}  // namespace bio
