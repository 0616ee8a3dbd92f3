#include "overview/login_notice.h"

#include <gtest/gtest.h>

namespace bio {
namespace {

// On 7 December 2026 a person born 昭和 40-1-2 is on a caution day in body
// alone, one born 昭和 40-1-5 in no rhythm.
RegisterRecord person(int number, bool caution) {
    const std::string name = "人" + std::to_string(number) + "      ";  // padded as stored
    return {std::to_string(number), name, "昭和", "40", "1", caution ? "2" : "5"};
}

// Ten person lines at most; the rest are counted on one line of their own.
TEST(LoginNotice, ListsTenPersonsAndCountsTheRest) {
    const struct {
        int persons, onCaution;
        std::optional<std::size_t> lines;  // none: no notice
        std::string last;
    } cases[] = {
        {3, 0, std::nullopt, ""},
        {12, 10, 10, "人12さん：身体"},
        {12, 11, 11, "ほか1人"},
        {40, 25, 11, "ほか15人"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.onCaution) + " of " + std::to_string(c.persons));
        std::vector<RegisterRecord> records;
        // Those on a caution day last, after everyone else.
        for (int k = 1; k <= c.persons; ++k)
            records.push_back(person(k, k > c.persons - c.onCaution));
        const std::optional<LoginNotice> notice = loginNotice(records, {2026, 12, 7});
        ASSERT_EQ(notice.has_value(), c.lines.has_value());
        if (!notice) continue;
        EXPECT_EQ(notice->summary, "今日の要注意日（" + std::to_string(c.onCaution) + "人）");
        EXPECT_EQ(notice->lines.size(), *c.lines);
        EXPECT_EQ(notice->lines.front(),
                  "人" + std::to_string(c.persons - c.onCaution + 1) + "さん：身体");
        EXPECT_EQ(notice->lines.back(), c.last);
    }
}

}  // namespace
}  // namespace bio
