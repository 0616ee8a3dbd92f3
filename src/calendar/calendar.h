#pragma once
// Day numbers, cycle days, weekdays and the era conversion: arithmetic on
// dates and texts, for any screen or none.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "state/date.h"

namespace bio {

// Day number of a date: day 0 is 4 March 1900. Every year divisible by 4
// leaps, 1900 included, so that before 1 March 1900 a day number is one lower
// than the true count of days; from then until 28 February 2100 it is exact.
double dayNumber(double year, double month, double day);

// Day positions of a month under the same every-fourth-year rule, as the
// month graph and the reports draw a month: February 29 in a year divisible
// by 4 and 28 otherwise; 30 for April, June, September and November; 31 for
// any other month value.
int16_t monthLengthEveryFourthYear(double year, double month);

// Position 1..length in a cycle of that length, for days lived (also negative).
double cycleDay(double days, int length);

// A person's day in each cycle.
struct CycleDays {
    double emotion = 0;
    double intellect = 0;
    double body = 0;

    bool operator==(const CycleDays&) const = default;
};

// The cycle days of a reading after `days` days lived: the emotion day whole
// (1..28, rounded half to even), the others as the day count gives them.
CycleDays cycleDaysAfter(double days);

// Weekday index 0..6 (0 = Sunday) of a day number; nullopt for a day number
// that is not a whole finite number.
std::optional<int> weekdayOf(double dayNumber);
// "日曜日" .. "土曜日" for 0..6; "" for anything else.
std::string_view weekdayName(int remainder);

inline constexpr std::array<std::string_view, 5> kEraNames{"明治", "大正", "昭和", "平成", "令和"};

// Western year of an era date; 0 for any text but the era names.
double westernYear(std::string_view eraname, double erayear);

// The era in force on a day and the day's year in it, so that westernYear
// gives the day's year back: 1989-01-07 is 昭和 64, 1989-01-08 平成 1.
// 明治 counts from 1 January 1868; nullopt before that.
struct EraYear {
    std::string_view era;
    int year = 0;  // 1..
};
std::optional<EraYear> eraOn(const Date& day);

// The era name a stored era field begins with (its first two characters, so
// the register's padding does not count), or "" when it names none.
std::string_view eraOfField(std::string_view eraField);

}  // namespace bio
