#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "calendar/calendar.h"
#include "gregorian.h"

namespace bio {
namespace {

TEST(WesternYear, EraBaseYearPlusEraYearMinusOne) {
    struct Case {
        const char* era;
        double erayear, expected;
    };
    const Case cases[] = {
        {"昭和", 38, 1963}, {"平成", 1, 1989},  {"明治", 1, 1868},  {"大正", 15, 1926},
        {"昭和", 64, 1989}, {"昭和", 70, 1995},  // no upper bound on the era year
        {"昭和", 0, 1925},                       // the year before the era's first
        {"明治", 45, 1912}, {"大正", 1, 1912},  {"平成", 31, 2019}, {"昭和", 38.5, 1963.5},
        {"令和", 1, 2019},  {"令和", 8, 2026},  {"令和", 0, 2018},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(westernYear(c.era, c.erayear), c.expected) << c.era << " " << c.erayear;
    }
}

TEST(WesternYear, ZeroForAnyOtherText) {
    // Exact comparison: a padded register field or a longer text is no era.
    for (const char* era : {"", "昭和 ", " 昭和", "昭", "令和 ", "Showa", "昭和38", "大化"}) {
        EXPECT_EQ(westernYear(era, 38), 0) << era;
    }
}

// Each era from its first day; the last day before it belongs to the one before.
TEST(EraOn, ChangesOnTheFirstDayOfEachEra) {
    struct Case {
        Date day;
        const char* era;
        int year;
    };
    const Case cases[] = {
        {{1868, 1, 1}, "明治", 1},      {{1912, 7, 29}, "明治", 45}, {{1912, 7, 30}, "大正", 1},
        {{1926, 12, 24}, "大正", 15},   {{1926, 12, 25}, "昭和", 1}, {{1989, 1, 7}, "昭和", 64},
        {{1989, 1, 8}, "平成", 1},      {{2019, 4, 30}, "平成", 31}, {{2019, 5, 1}, "令和", 1},
        {{9999, 12, 31}, "令和", 7981},
    };
    for (const Case& c : cases) {
        const std::optional<EraYear> era = eraOn(c.day);
        ASSERT_TRUE(era.has_value()) << c.era << c.year;
        EXPECT_EQ(era->era, c.era);
        EXPECT_EQ(era->year, c.year);
    }
    EXPECT_FALSE(eraOn({1867, 12, 31}).has_value());
    EXPECT_FALSE(eraOn({1, 1, 1}).has_value());
}

// Every day from 1868 to 2100 reads back as its own year, and the era only
// ever moves on to the next one.
TEST(EraOn, GivesEveryDayItsWesternYearBack) {
    using namespace std::chrono;
    std::size_t eraIndex = 0;
    for (sys_days day = sys_days{year{1868} / January / 1};
         day <= sys_days{year{2100} / December / 31}; day += days{1}) {
        const year_month_day ymd{day};
        const Date date{static_cast<int>(ymd.year()), static_cast<int>(unsigned(ymd.month())),
                        static_cast<int>(unsigned(ymd.day()))};
        const std::optional<EraYear> era = eraOn(date);
        ASSERT_TRUE(era.has_value()) << testing::dateText(day);
        ASSERT_EQ(westernYear(era->era, era->year), date.year) << testing::dateText(day);
        while (eraIndex < kEraNames.size() && kEraNames[eraIndex] != era->era) ++eraIndex;
        ASSERT_LT(eraIndex, kEraNames.size()) << testing::dateText(day) << " goes back an era";
    }
}

}  // namespace
}  // namespace bio
