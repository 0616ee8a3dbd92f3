#include "calendar/month_step.h"

#include <gtest/gtest.h>

#include <array>

namespace bio {
namespace {

std::string text(const std::optional<Date>& date) {
    if (!date) return "none";
    return std::to_string(date->year) + "-" + std::to_string(date->month) + "-" +
           std::to_string(date->day);
}

// The end-to-end scripts step across the year and into February; here the
// century years of the real calendar, the edges of the four-digit years and
// the typed numbers that are no date.
TEST(StepMonth, FollowsTheRealCalendarWithinTheFourDigitYears) {
    EXPECT_EQ(text(stepMonth({2100, 3, 31}, -1)), "2100-2-28");
    EXPECT_EQ(text(stepMonth({2000, 1, 31}, 1)), "2000-2-29");
    EXPECT_EQ(text(stepMonth({2027, 4, 31}, 1)), "2027-5-31");
    EXPECT_EQ(text(stepMonth({1, 1, 31}, -1)), "none");
    EXPECT_EQ(text(stepMonth({9999, 12, 1}, 1)), "none");
    EXPECT_EQ(text(steppableDate({9999, 12, 31})), "9999-12-31");
    for (auto [year, month, day] : {std::array{0.0, 1.0, 1.0},
                                    {10000.0, 1.0, 1.0},
                                    {2027.0, 0.0, 1.0},
                                    {2027.0, 1.0, 32.0},
                                    {2027.5, 1.0, 1.0}})
        EXPECT_EQ(text(steppableDate({year, month, day})), "none")
            << year << "-" << month << "-" << day;
}

}  // namespace
}  // namespace bio
