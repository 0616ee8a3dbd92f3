#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>

#include "calendar/calendar.h"
#include "calendar/gregorian.h"

namespace bio {
namespace {

using namespace std::chrono;

TEST(WeekdayName, NamesSundayToSaturday) {
    const char* const names[] = {"日曜日", "月曜日", "火曜日", "水曜日",
                                 "木曜日", "金曜日", "土曜日"};
    for (int remainder = 0; remainder < 7; ++remainder) {
        EXPECT_EQ(weekdayName(remainder), names[remainder]);
    }
    EXPECT_EQ(weekdayName(-1), "");
    EXPECT_EQ(weekdayName(7), "");
}

TEST(WeekdayOf, KnownDayNumbers) {
    struct Case {
        double dayNumber;
        int weekday;
    };
    const Case cases[] = {
        {0, 0},       // 4 March 1900, Sunday
        {23077, 5},   // 10 May 1963, Friday
        {46299, 1},   // 7 December 2026, Monday
        {46293, 2},   // 1 December 2026, Tuesday
        {-11751, 2},  // 1 January 1868 by the leap rule
        {-1, 6},     {-7, 0}, {-8, 6}, {6, 6}, {7, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(weekdayOf(c.dayNumber), c.weekday) << c.dayNumber;
    }
}

TEST(WeekdayOf, NoWeekdayForFractionalOrInfiniteDayNumbers) {
    for (double dayNumber :
         {10.5, -0.5, -1e-9, 23077.25, std::numeric_limits<double>::infinity(),
          -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_EQ(weekdayOf(dayNumber), std::nullopt) << dayNumber;
    }
}

TEST(WeekdayOf, HugeWholeDayNumbersStillGiveARealRemainder) {
    // 7 × 2^60 and one past a multiple of 7 beyond 2^53, where a naive
    // subtraction of 7 × Int(N / 7) loses the remainder.
    EXPECT_EQ(weekdayOf(std::ldexp(7.0, 60)), 0);
    EXPECT_EQ(weekdayOf(std::ldexp(7.0, 60) + std::ldexp(1.0, 10)), 1024 % 7);
    EXPECT_EQ(weekdayOf(-std::ldexp(7.0, 60) - std::ldexp(1.0, 10)), 7 - 1024 % 7);
}

TEST(WeekdayOf, MatchesTheRealCalendarFromMarch1900ToFebruary2100) {
    for (sys_days date = sys_days{1900y / March / 1}; date <= sys_days{2100y / February / 28};
         date += days{1}) {
        const std::optional<int> index = weekdayOf(testing::dayNumberOf(date));
        ASSERT_TRUE(index.has_value()) << testing::dateText(date);
        ASSERT_EQ(*index, static_cast<int>(weekday{date}.c_encoding())) << testing::dateText(date);
    }
}

}  // namespace
}  // namespace bio
