#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>

#include "calendar/calendar.h"
#include "calendar/gregorian.h"
#include "testing/program_fixture.h"

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

class WeekdayProcedures : public ::testing::Test {
  protected:
    void SetUp() override { program.start(); }
    Program& p() { return program.program(); }
    Screen& sindan() { return p().screen(ScreenId::sindan); }

    testing::TestProgram program;
};

TEST_F(WeekdayProcedures, Weekday1WritesTheBirthWeekday) {
    const std::pair<double, const char*> cases[] = {
        {0, "日曜日"}, {23077, "金曜日"}, {46299, "月曜日"}, {-11751, "火曜日"}};
    for (const auto& [dayNumber, name] : cases) {
        p().state().daynum1 = dayNumber;
        weekday1(p());
        EXPECT_EQ(sindan().text("Text1"), name) << dayNumber;
    }
}

TEST_F(WeekdayProcedures, Weekday1ClearsTheWeekdayOfAFractionalBirthDay) {
    p().state().daynum1 = 23077;
    weekday1(p());
    ASSERT_EQ(sindan().text("Text1"), "金曜日");
    // The previous person's weekday must not stay beside this reading.
    p().state().daynum1 = 23077.5;
    weekday1(p());
    EXPECT_EQ(sindan().text("Text1"), "");
}

TEST_F(WeekdayProcedures, WeekdaysCreateTheResultScreenWithoutShowingIt) {
    ASSERT_FALSE(p().created(ScreenId::sindan));
    weekday1(p());
    EXPECT_TRUE(p().created(ScreenId::sindan));
    EXPECT_FALSE(p().visible(ScreenId::sindan));

    testing::TestProgram other;
    other.start();
    weekday2(other.program());
    EXPECT_TRUE(other.program().created(ScreenId::sindan));
    EXPECT_FALSE(other.program().visible(ScreenId::sindan));
}

TEST_F(WeekdayProcedures, Weekday2WritesMonthAndFirstWeekday) {
    DiagnosisState& s = p().state();
    s.m2 = 12;
    s.daynum2 = dayNumber(2026, 12, 1);
    weekday2(p());
    EXPECT_EQ(sindan().text("Text3"), "12");
    EXPECT_EQ(sindan().text("Text2"), "火曜日");
    EXPECT_EQ(s.wday2, 2);

    s.m2 = 5.5;
    s.daynum2 = -11751;
    weekday2(p());
    EXPECT_EQ(sindan().text("Text3"), "5.5");
    EXPECT_EQ(sindan().text("Text2"), "火曜日");
    EXPECT_EQ(s.wday2, 2);
}

TEST_F(WeekdayProcedures, Weekday2RoundsHalfDaysToTheEvenDay) {
    struct Case {
        double dayNumber;
        int weekday;
        const char* name;
    };
    const Case cases[] = {
        {0.5, 0, "日曜日"},      // to 0
        {1.5, 2, "火曜日"},      // to 2
        {2.5, 2, "火曜日"},      // to 2
        {-0.5, 0, "日曜日"},     // to 0
        {-1.5, 5, "金曜日"},     // to -2
        {46299.4, 1, "月曜日"},  // beyond 16 bits, to 46299
        {46299.6, 2, "火曜日"},  // to 46300
    };
    for (const Case& c : cases) {
        p().state().daynum2 = c.dayNumber;
        weekday2(p());
        EXPECT_EQ(p().state().wday2, c.weekday) << c.dayNumber;
        EXPECT_EQ(sindan().text("Text2"), c.name) << c.dayNumber;
    }
}

TEST_F(WeekdayProcedures, Weekday2WithAnInfiniteDayNumberStartsOnSundayAndNamesNone) {
    // Only a year too large for a double gets here (typed as 1e306, say).
    DiagnosisState& s = p().state();
    s.daynum2 = 46293;
    weekday2(p());
    s.daynum2 = dayNumber(1e306, 12, 1);
    ASSERT_TRUE(std::isinf(s.daynum2));
    weekday2(p());
    EXPECT_EQ(s.wday2, 0);
    EXPECT_EQ(sindan().text("Text2"), "");
}

}  // namespace
}  // namespace bio
