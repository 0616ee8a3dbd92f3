#include "calendar/month_step.h"

#include <gtest/gtest.h>

namespace bio {
namespace {

std::string text(const std::optional<Date>& date) {
    if (!date) return "none";
    return std::to_string(date->year) + "-" + std::to_string(date->month) + "-" +
           std::to_string(date->day);
}

TEST(StepMonth, KeepsTheDayOrLowersItToTheMonthsEnd) {
    struct Case {
        Date from;
        int months;
        const char* expected;
    };
    const Case cases[] = {
        {{2026, 12, 31}, -1, "2026-11-30"},
        {{2027, 11, 15}, 1, "2027-12-15"},
        {{2027, 12, 15}, 1, "2028-1-15"},
        {{2027, 1, 5}, -1, "2026-12-5"},
        {{2028, 3, 31}, -1, "2028-2-29"},
        {{2027, 3, 31}, -1, "2027-2-28"},
        {{2027, 1, 31}, 1, "2027-2-28"},
        {{2027, 4, 31}, 1, "2027-5-31"},
        {{2027, 6, 31}, -1, "2027-5-31"},
        {{2027, 2, 30}, 1, "2027-3-30"},
        // The real calendar: 2100 and 1900 do not leap, 2000 does.
        {{2100, 3, 31}, -1, "2100-2-28"},
        {{1900, 1, 29}, 1, "1900-2-28"},
        {{2000, 1, 31}, 1, "2000-2-29"},
        {{1, 2, 1}, -1, "1-1-1"},
        {{1, 1, 31}, -1, "none"},
        {{9999, 12, 1}, 1, "none"},
        {{9999, 11, 30}, 1, "9999-12-30"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(text(stepMonth(c.from, c.months)), c.expected)
            << text(c.from) << " by " << c.months;
    }
}

TEST(StepMonth, TakesOnlyWholeDatesOfTheFourDigitYears) {
    struct Case {
        double year, month, day;
        const char* expected;
    };
    const Case cases[] = {
        {2027, 1, 5, "2027-1-5"},   {1, 1, 1, "1-1-1"},     {9999, 12, 31, "9999-12-31"},
        {2027, 4, 31, "2027-4-31"}, {0, 1, 1, "none"},      {10000, 1, 1, "none"},
        {2027, 0, 1, "none"},       {2027, 13, 1, "none"},  {2027, 1, 0, "none"},
        {2027, 1, 32, "none"},      {2027.5, 1, 1, "none"}, {2027, 1.5, 1, "none"},
        {2027, 1, 0.5, "none"},     {-2027, 1, 1, "none"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(text(steppableDate(c.year, c.month, c.day)), c.expected)
            << c.year << "-" << c.month << "-" << c.day;
    }
}

}  // namespace
}  // namespace bio
