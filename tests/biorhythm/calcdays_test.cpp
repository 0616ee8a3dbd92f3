#include <gtest/gtest.h>

#include "biorhythm/day_count.h"
#include "calendar/calendar.h"
#include "testing/program_fixture.h"

namespace bio {
namespace {

struct Dates {
    double byear, m1, d1, y2, m2, d2;
};

struct Expected {
    double daynum1, daynum2, days, bodyday;
    int16_t emoday;
    double intday;
};

class Calcdays : public ::testing::Test {
  protected:
    void SetUp() override { program.start(); }

    DiagnosisState& run(const Dates& dates, int person = 1) {
        DiagnosisState& s = program.program().state();
        s.byear = dates.byear;
        s.m1 = dates.m1;
        s.d1 = dates.d1;
        s.y2 = dates.y2;
        s.m2 = dates.m2;
        s.d2 = dates.d2;
        s.person = person;
        calcdays(program.program());
        return s;
    }

    testing::TestProgram program;
};

TEST_F(Calcdays, ExamplesOfReadings) {
    struct Case {
        Dates dates;
        Expected expected;
    };
    const Case cases[] = {
        {{1963, 5, 10, 2026, 12, 7}, {23077, 46299, 23222, 16, 11, 24}},
        {{1990, 1, 1, 2026, 12, 7}, {32810, 46299, 13489, 12, 22, 26}},
        // Born on the target date: day 1 of every cycle.
        {{2026, 12, 7, 2026, 12, 7}, {46299, 46299, 0, 1, 1, 1}},
        // Target six days before birth: the cycles run backwards.
        {{2026, 12, 7, 2026, 12, 1}, {46299, 46293, -6, 18, 23, 28}},
        // Half a day: 10.5 goes to the even 10 in the 16-bit emotion day ...
        {{1963, 5, 10.5, 2026, 12, 7}, {23077.5, 46299, 23221.5, 15.5, 10, 23.5}},
        // ... and 11.5 to the even 12.
        {{1963, 5, 9.5, 2026, 12, 7}, {23076.5, 46299, 23222.5, 16.5, 12, 24.5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "born " << c.dates.byear << "-" << c.dates.m1 << "-" << c.dates.d1);
        const DiagnosisState& s = run(c.dates);
        EXPECT_EQ(s.y1, c.dates.byear);
        EXPECT_EQ(s.daynum1, c.expected.daynum1);
        EXPECT_EQ(s.daynum2, c.expected.daynum2);
        EXPECT_EQ(s.days, c.expected.days);
        EXPECT_EQ(s.bodyday, c.expected.bodyday);
        EXPECT_EQ(s.emoday[1], c.expected.emoday);
        EXPECT_EQ(s.intday, c.expected.intday);
    }
}

TEST_F(Calcdays, WritesOnlyThePersonsEmotionDay) {
    DiagnosisState& s = program.program().state();
    const Dates reading{1963, 5, 10, 2026, 12, 7};  // emotion day 11
    for (int person = 0; person <= 2; ++person) {
        s.emoday = {-1, -2, -3};
        run(reading, person);
        for (int slot = 0; slot <= 2; ++slot) {
            EXPECT_EQ(s.emoday[static_cast<std::size_t>(slot)], slot == person ? 11 : -1 - slot)
                << "person " << person << ", slot " << slot;
        }
    }
}

TEST_F(Calcdays, PersonOutsideTheTableWritesNoEmotionDayButTheRest) {
    DiagnosisState& s = program.program().state();
    for (int person : {-1, 3, 100}) {
        s.emoday = {-1, -2, -3};
        s.bodyday = 0;
        s.intday = 0;
        run({1963, 5, 10, 2026, 12, 7}, person);
        EXPECT_EQ(s.emoday, (std::array<int16_t, 3>{-1, -2, -3})) << "person " << person;
        EXPECT_EQ(s.bodyday, 16);
        EXPECT_EQ(s.intday, 24);
    }
}

TEST_F(Calcdays, BirthYearZeroStillGivesCycleDays) {
    // No era selected: a birth year of 0 is computed like any other.
    const DiagnosisState& s = run({0, 5, 10, 2026, 12, 7});
    EXPECT_EQ(s.y1, 0);
    EXPECT_EQ(s.daynum1, dayNumber(0, 5, 10));
    EXPECT_EQ(s.days, 46299 - dayNumber(0, 5, 10));
    EXPECT_GE(s.bodyday, 1);
    EXPECT_LE(s.bodyday, 23);
    EXPECT_GE(s.emoday[1], 1);
    EXPECT_LE(s.emoday[1], 28);
    EXPECT_GE(s.intday, 1);
    EXPECT_LE(s.intday, 33);
}

TEST_F(Calcdays, ReadsTheBirthYearNotAnOldY1) {
    DiagnosisState& s = program.program().state();
    s.y1 = 1800;
    const DiagnosisState& after = run({1963, 5, 10, 2026, 12, 7});
    EXPECT_EQ(after.y1, 1963);
    EXPECT_EQ(after.daynum1, 23077);
}

}  // namespace
}  // namespace bio
