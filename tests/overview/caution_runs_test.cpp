// The calendar export's caution days: the runs of whole months against the
// reports' caution-day lines, and the months a user may ask for.

#include "overview/caution_runs.h"

#include <gtest/gtest.h>

#include <map>
#include <tuple>

#include "biorhythm/report_data.h"
#include "calendar/month_step.h"
#include "overview/calendar_export.h"

namespace bio {
namespace {

Date nextDay(const Date& day) {
    if (day.day < gregorianMonthLength(day.year, day.month))
        return {day.year, day.month, day.day + 1};
    return *stepMonth({day.year, day.month, 1}, 1);
}

auto order(const Date& d) { return std::tie(d.year, d.month, d.day); }

TEST(CautionRuns, TwelveMonthsHoldTheCautionDaysOfTwelveReports) {
    const std::vector<CautionPerson> persons{
        {"ＡＢＣＤ", {1963, 5, 10}}, {"山田　花子", {1991, 2, 28}}, {"令和太郎", {2019, 5, 1}}};
    const Date first{2026, 12, 1}, end{2027, 12, 1};
    const std::vector<CautionRun> runs = cautionRuns(persons, first, end);

    // person, rhythm, year, month -> the days of the runs, in order
    std::map<std::tuple<std::size_t, Rhythm, int, int>, std::vector<int>> days;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const CautionRun& run = runs[i];
        EXPECT_TRUE(order(first) <= order(run.first) && order(run.first) < order(run.end) &&
                    order(run.end) <= order(end));
        // Consecutive days are one run: the next run of the same rhythm starts later.
        if (i + 1 < runs.size() && runs[i + 1].person == run.person &&
            runs[i + 1].rhythm == run.rhythm) {
            EXPECT_LT(order(run.end), order(runs[i + 1].first));
        }
        for (Date day = run.first; day != run.end; day = nextDay(day))
            days[{run.person, run.rhythm, day.year, day.month}].push_back(day.day);
    }
    for (std::size_t person = 0; person < persons.size(); ++person) {
        for (int k = 0; k < 12; ++k) {
            const Date month = *stepMonth(first, k);
            std::vector<std::string> exported;
            for (Rhythm rhythm : kRhythms) {
                exported.push_back(dayListLine(std::string(rhythmName(rhythm)) + "の要注意日：",
                                               days[{person, rhythm, month.year, month.month}]));
            }
            EXPECT_EQ(exported,
                      cautionDayLines(monthReading(persons[person].birth, month.year, month.month)))
                << persons[person].name << " " << month.year << "-" << month.month;
        }
    }
}

TEST(ExportMonths, WholeNumbersFromOneToTwentyFour) {
    const struct {
        const char* text;
        std::optional<int> months;
    } cases[] = {
        {"12", 12},      {"1", 1},    {"24", 24}, {" 6 ", 6},    {"１２", 12},
        {"　０３　", 3}, {"0", {}},   {"25", {}}, {"abc", {}},   {"", {}},
        {"　", {}},      {"1.5", {}}, {"-1", {}}, {"12abc", {}}, {"100000000000", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(exportMonths(c.text), c.months) << c.text;
}

}  // namespace
}  // namespace bio
