// A reading as a value: births as typed, the reading of one day and of a month.

#include "reading/reading.h"

#include <gtest/gtest.h>

#include <variant>

namespace bio {
namespace {

using V = std::optional<Verdict>;
constexpr V kCaution = Verdict::Caution, kGood = Verdict::Good, kLow = Verdict::Low, kNone;

TEST(BirthAsTyped, EveryEraBoundaryAndTheFirstYear) {
    const struct {
        TypedBirth typed;
        DateNumbers expected;
    } cases[] = {
        {{"昭和", "38", "5", "10"}, {1963, 5, 10}},
        {{"明治", "1", "1", "1"}, {1868, 1, 1}},
        {{"明治", "45", "7", "29"}, {1912, 7, 29}},
        {{"大正", "元", "7", "30"}, {1912, 7, 30}},
        {{"大正", "15", "12", "24"}, {1926, 12, 24}},
        {{"昭和", "1", "12", "25"}, {1926, 12, 25}},
        {{"昭和", "64", "1", "7"}, {1989, 1, 7}},
        {{"平成", "元年", "1", "8"}, {1989, 1, 8}},
        {{"平成", "31", "4", "30"}, {2019, 4, 30}},
        {{"令和", "元", "5", "1"}, {2019, 5, 1}},
        // Whatever was typed goes through: no era is year 0, no number is 0.
        {{"", "38", "5", "10"}, {0, 5, 10}},
        {{"昭和 ", "38", "5", "10"}, {0, 5, 10}},
        {{"昭和", "38年", "", "10.5"}, {1963, 0, 10.5}},
        {{"平成", "１２", "１２", "３"}, {2000, 12, 3}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(birthAsTyped(c.typed), c.expected)
            << c.typed.era << c.typed.eraYear << "-" << c.typed.month << "-" << c.typed.day;
    }
}

TEST(ReadBirth, AStoredBirthIsADateOrSaysWhyNot) {
    using Outcome = std::variant<DateNumbers, BirthProblem>;
    const struct {
        TypedBirth stored;
        Outcome expected;
    } cases[] = {
        {{"昭和 ", "38  ", "5   ", "10  "}, DateNumbers{1963, 5, 10}},  // padded as on file
        {{"平成", "元年", "1", "8"}, DateNumbers{1989, 1, 8}},
        {{"令和元年", "1", "2", "31"}, DateNumbers{2019, 2, 31}},  // 31 in any month
        {{"大化", "1", "1", "1"}, BirthProblem::UnknownEra},
        {{"", "1", "1", "1"}, BirthProblem::UnknownEra},
        {{"昭和", "", "5", "10"}, BirthProblem::EraYearNotWhole},
        {{"昭和", "38.5", "5", "10"}, BirthProblem::EraYearNotWhole},
        {{"昭和", "38", "五", "10"}, BirthProblem::MonthNotWhole},
        {{"昭和", "38", "5", "10.5"}, BirthProblem::DayNotWhole},
        {{"昭和", "38", "13", "10"}, BirthProblem::MonthOutOfRange},
        {{"昭和", "38", "0", "10"}, BirthProblem::MonthOutOfRange},
        {{"昭和", "38", "5", "32"}, BirthProblem::DayOutOfRange},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(readBirth(c.stored), c.expected)
            << c.stored.era << c.stored.eraYear << "-" << c.stored.month << "-" << c.stored.day;
    }
}

struct ReadingCase {
    const char* what;
    DateNumbers birth, day;
    double birthDayNumber, dayNumber, days;
    CycleDays cycle;
    std::array<V, 3> verdicts;
};

TEST(ReadingFor, DaysLivedCycleDaysAndVerdicts) {
    const ReadingCase cases[] = {
        {"the worked example",
         {1963, 5, 10},
         {2026, 12, 7},
         23077,
         46299,
         23222,
         {11, 24, 16},
         {kGood, kLow, kLow}},
        {"the birthday itself",
         {2026, 12, 7},
         {2026, 12, 7},
         46299,
         46299,
         0,
         {1, 1, 1},
         {kCaution, kCaution, kCaution}},
        {"six days before the birth",
         {2026, 12, 7},
         {2026, 12, 1},
         46299,
         46293,
         -6,
         {23, 28, 18},
         {kLow, kLow, kLow}},
        // Before March 1900 the day count holds a 29 February 1900 that never
        // was: 1 January 1868 is day -11751, one lower than the true count.
        {"a birth in 1868",
         {1868, 1, 1},
         {2026, 12, 7},
         -11751,
         46299,
         58050,
         {7, 4, 22},
         {kGood, kGood, kCaution}},
        {"the day before March 1900",
         {1900, 2, 28},
         {1900, 3, 4},
         -5,
         0,
         5,
         {6, 6, 6},
         {kGood, kGood, kGood}},
        // A half day: the emotion day is kept whole (10.5 to the even 10), the
        // others keep the half, and 16.5 lies in no class of the intellect.
        {"a birth day of 10.5",
         {1963, 5, 10.5},
         {2026, 12, 7},
         23077.5,
         46299,
         23221.5,
         {10, 23.5, 15.5},
         {kGood, kLow, kLow}},
        {"a birth day of 17.5",
         {1963, 5, 17.5},
         {2026, 12, 7},
         23084.5,
         46299,
         23214.5,
         {4, 16.5, 8.5},
         {kGood, kNone, kGood}},
    };
    for (const ReadingCase& c : cases) {
        SCOPED_TRACE(c.what);
        const Reading r = readingFor(c.birth, c.day);
        EXPECT_EQ(r.birthDayNumber, c.birthDayNumber);
        EXPECT_EQ(r.dayNumber, c.dayNumber);
        EXPECT_EQ(r.days, c.days);
        EXPECT_EQ(r.cycle, c.cycle);
        EXPECT_EQ(r.verdicts, c.verdicts);
        EXPECT_EQ(r.hasCautionDay(), r.verdict(Rhythm::Emotion) == kCaution ||
                                         r.verdict(Rhythm::Intellect) == kCaution ||
                                         r.verdict(Rhythm::Body) == kCaution);
    }
}

TEST(MonthReading, PositionsByTheEveryFourthYearRuleAndOneReadingEach) {
    const DateNumbers birth{1963, 5, 10};
    const struct {
        double year, month;
        int positions;
    } cases[] = {
        {2027, 2, 28}, {2028, 2, 29},  {2100, 2, 29},  // every fourth year, 2100 too
        {2026, 4, 30}, {2026, 12, 31}, {2026, 13, 31},
    };
    for (const auto& c : cases) {
        const MonthReading month = monthReading(birth, c.year, c.month);
        EXPECT_EQ(month.positions, c.positions) << c.year << "-" << c.month;
        ASSERT_EQ(month.days.size(), static_cast<std::size_t>(c.positions));
        for (int day = 1; day <= c.positions; ++day) {
            const Reading expected = readingFor(birth, {c.year, c.month, double(day)});
            EXPECT_EQ(month.days[day - 1].days, expected.days) << day;
            EXPECT_EQ(month.days[day - 1].verdicts, expected.verdicts) << day;
        }
    }
    // The report's caution days of the worked example, December 2026.
    std::vector<int> emotion;
    for (const Reading& day : monthReading(birth, 2026, 12).days)
        if (day.verdict(Rhythm::Emotion) == kCaution) emotion.push_back(int(day.days - 23215));
    EXPECT_EQ(emotion, (std::vector<int>{9, 10, 11, 23, 24, 25, 26}));
}

}  // namespace
}  // namespace bio
