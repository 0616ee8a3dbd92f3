#include <gtest/gtest.h>

#include <chrono>

#include "calendar/calendar.h"
#include "calendar/gregorian.h"

namespace bio {
namespace {

using namespace std::chrono;
using testing::dayNumberOf;
using testing::exactCount;

TEST(DayNumber, KnownDates) {
    struct Case {
        double year, month, day, expected;
    };
    const Case cases[] = {
        {1900, 3, 4, 0},      {1900, 3, 1, -3},     {1900, 2, 28, -5},    {1900, 2, 29, -4},
        {1900, 1, 1, -63},    {1868, 1, 1, -11751}, {1963, 5, 10, 23077}, {2026, 12, 7, 46299},
        {1990, 1, 1, 32810},  {1964, 2, 29, 23372}, {2000, 2, 29, 36521}, {2000, 3, 1, 36522},
        {2026, 12, 1, 46293},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(dayNumber(c.year, c.month, c.day), c.expected)
            << c.year << "-" << c.month << "-" << c.day;
    }
}

// From 1 March 1900 to 28 February 2100 every year divisible by 4 really leaps,
// so the day number is the exact count of days since 4 March 1900.
TEST(DayNumber, IsTheExactCountFromMarch1900ToFebruary2100) {
    for (sys_days date = sys_days{1900y / March / 1}; date <= sys_days{2100y / February / 28};
         date += days{1}) {
        ASSERT_EQ(dayNumberOf(date), exactCount(date)) << testing::dateText(date);
    }
}

// The rule leaps 1900 too, so everything before 1 March 1900 counts one day
// lower; 2100 does not really leap, so from 1 March 2100 it counts one higher.
TEST(DayNumber, IsOneOffOutsideTheRangeWhereTheLeapRuleHolds) {
    for (sys_days date = sys_days{1868y / January / 1}; date <= sys_days{1900y / February / 28};
         date += days{1}) {
        ASSERT_EQ(dayNumberOf(date), exactCount(date) - 1) << testing::dateText(date);
    }
    for (sys_days date = sys_days{2100y / March / 1}; date <= sys_days{2199y / December / 31};
         date += days{1}) {
        ASSERT_EQ(dayNumberOf(date), exactCount(date) + 1) << testing::dateText(date);
    }
}

TEST(DayNumber, OddMonthsGoThroughTheSameFormula) {
    // Month 0 is shifted like February; month 13 uses Int(14 × 30.6) = 428 unshifted.
    // 2026: year part Int(126 × 365.25) = 46021, not whole, so February's shift is 3.
    EXPECT_EQ(dayNumber(2026, 0, 1), 46021 + 30 + 1 - 126 + 3);
    EXPECT_EQ(dayNumber(2026, 13, 1), 46021 + 428 + 1 - 126);
    EXPECT_EQ(dayNumber(2024, 0, 1), 45291 + 30 + 1 - 126 + 2);
    // A day of 40 just runs on.
    EXPECT_EQ(dayNumber(2026, 12, 40), dayNumber(2026, 12, 7) + 33);
    // Fractional days keep their fraction.
    EXPECT_EQ(dayNumber(1963, 5, 10.5), 23077.5);
}

TEST(CycleDay, RunsOneToLengthInBothDirections) {
    for (int length : {23, 28, 33}) {
        for (int days = -3 * length; days <= 3 * length; ++days) {
            const double expected = ((days % length) + length) % length + 1;
            ASSERT_EQ(cycleDay(days, length), expected) << days << " in " << length;
        }
    }
    // Six days before birth.
    EXPECT_EQ(cycleDay(-6, 23), 18);
    EXPECT_EQ(cycleDay(-6, 28), 23);
    EXPECT_EQ(cycleDay(-6, 33), 28);
    // Fractional days lived.
    EXPECT_EQ(cycleDay(23221.5, 23), 15.5);
    EXPECT_EQ(cycleDay(23221.5, 33), 23.5);
    EXPECT_EQ(cycleDay(-0.5, 28), 28.5);
}

}  // namespace
}  // namespace bio
