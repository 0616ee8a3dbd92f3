#include <gtest/gtest.h>

#include <cmath>

#include "biorhythm/day_count.h"
#include "calendar/calendar.h"
#include "testing/program_fixture.h"

namespace bio {
namespace {

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
