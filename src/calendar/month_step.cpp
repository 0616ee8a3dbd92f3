#include "calendar/month_step.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace bio {

namespace {

constexpr int kFirstYear = 1;
constexpr int kLastYear = 9999;

bool wholeIn(double value, int low, int high) {
    return value == std::floor(value) && value >= low && value <= high;
}

}  // namespace

int gregorianMonthLength(int year, int month) {
    const std::chrono::year_month_day_last end{std::chrono::year{year} /
                                               std::chrono::month{static_cast<unsigned>(month)} /
                                               std::chrono::last};
    return static_cast<int>(static_cast<unsigned>(end.day()));  // 28..31
}

std::optional<Date> steppableDate(const DateNumbers& typed) {
    if (!wholeIn(typed.year, kFirstYear, kLastYear) || !wholeIn(typed.month, 1, 12) ||
        !wholeIn(typed.day, 1, 31))
        return std::nullopt;
    return Date{static_cast<int>(typed.year), static_cast<int>(typed.month),
                static_cast<int>(typed.day)};
}

std::optional<Date> realDate(const DateNumbers& typed) {
    const std::optional<Date> date = steppableDate(typed);
    if (!date || date->day > gregorianMonthLength(date->year, date->month)) return std::nullopt;
    return date;
}

std::optional<Date> stepMonth(const Date& date, int months) {
    // Months counted from January of year 0, so that the year follows by division.
    const long count = date.year * 12L + (date.month - 1) + months;
    const long year = count / 12;  // count >= 0 for every year that is kept
    if (count < 0 || year < kFirstYear || year > kLastYear) return std::nullopt;
    const int month = static_cast<int>(count % 12) + 1;  // 1..12
    const int y = static_cast<int>(year);
    return Date{y, month, std::min(date.day, gregorianMonthLength(y, month))};
}

}  // namespace bio
