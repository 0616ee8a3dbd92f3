#include <gtest/gtest.h>

#include "calendar/calendar.h"

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

}  // namespace
}  // namespace bio
