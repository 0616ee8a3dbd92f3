// The compatibility run: the two reports, the percentage and the verdict.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "compat/compat.h"
#include "compat_fixture.h"

namespace bio {
namespace {

using testing::openAisyou;
using testing::runWorkedExample;
using testing::TestProgram;
using testing::typePerson;
using testing::typeTargetDate;

const std::string kRule(105, '-');
std::string stars() {
    std::string line;
    for (int i = 0; i < 56; ++i) line += "★";
    return line;
}

const char* const kEmotionGood = "好調です！　気力旺盛，感も冴えています。";
const char* const kIntellectLow =
    "低調です！復習や記憶することに重きをおいた勉強をすると良いでしょう。"
    "また，頭の休養が必要です。";
const char* const kBodyLow = "低調です！スタミナ欠乏，過激な仕事，運動を避けてください";
const char* const kBodyCaution = "要注意日です！風邪や持病に注意すること";
const char* const kSame = "性格が同じであれば，相性は一致する。";
const char* const kDifferent =
    "性格が同じであれば，相性は一致しない。しかし，相手が燃えているときに，燃えるようにすれば，"
    "うまくいくでしょう。";

TEST(CompatRun, ReproducesTheWorkedExample) {
    TestProgram t;
    Program& p = runWorkedExample(t);

    // 22491 and 21676 days lived; cycle days (8, 19, 21) and (5, 29, 11).
    const std::vector<std::string> expected{
        kRule,
        "Ａさんのバイオリズム診断をします。",
        "2026年12月7日について",
        "生まれてから現在日までの日数は22491です。",
        "感情は，8日目です。知性は，19日目です。身体は，21日目です。",
        "心の調子は，",
        kEmotionGood,
        "頭脳の調子は，",
        kIntellectLow,
        "身体の調子は，",
        kBodyLow,
        kRule,
        "Ｂさんのバイオリズム診断をします。",
        "2026年12月7日について",
        "生まれてから現在日までの日数は21676です。",
        "感情は，5日目です。知性は，29日目です。身体は，11日目です。",
        "心の調子は，",
        kEmotionGood,
        "頭脳の調子は，",
        kIntellectLow,
        "身体の調子は，",
        kBodyCaution,
        "",
        stars(),
        "一生涯について，二人の相性度は，79%です。",
        "2026年12月7日のバイオリズムについて，",
        "ＡさんとＢさんとの相性は，",
        kSame,
        stars(),
    };
    EXPECT_EQ(p.screen(ScreenId::aisyousin).control("List1").items(), expected);
    EXPECT_EQ(t.events.lines, std::vector<std::string>{"msgbox \"次へ\" title \"\" -> ok"});

    const DiagnosisState& s = p.state();
    // Left as the run ends: the 1st of the month for both, person 2 in the rest.
    EXPECT_EQ(s.emoday[1], 2);
    EXPECT_EQ(s.emoday[2], 27);
    EXPECT_EQ(s.emosign[1], "プラス");
    EXPECT_EQ(s.emosign[2], "プラス");
    EXPECT_EQ(s.person, 2);
    EXPECT_EQ(s.byear, 1967);
    EXPECT_EQ(s.d2, 1);
    EXPECT_EQ(s.graphcolor, 2);
    EXPECT_FALSE(p.visible(ScreenId::aisyou));
    EXPECT_TRUE(p.visible(ScreenId::aisyousin));
}

TEST(CompatRun, CancelOnNextStillDiagnosesPersonTwo) {
    TestProgram t;
    t.dialogs.queueMessageAnswer(Answer::Cancel);
    Program& p = runWorkedExample(t);
    EXPECT_EQ(t.events.lines, std::vector<std::string>{"msgbox \"次へ\" title \"\" -> cancel"});
    const auto& items = p.screen(ScreenId::aisyousin).control("List1").items();
    EXPECT_EQ(items.size(), 29u);
    EXPECT_EQ(items[24], "一生涯について，二人の相性度は，79%です。");
}

TEST(CompatRun, ARepeatedRunStartsFromAnEmptyList) {
    TestProgram t;
    Program& p = runWorkedExample(t);
    p.click(ScreenId::aisyousin, "back");
    p.click(ScreenId::aisyou, "Command1");
    EXPECT_EQ(p.screen(ScreenId::aisyousin).control("List1").items().size(), 29u);
}

// Runs two persons born on the given 昭和 dates, on 7 December 2026 typed as given.
std::vector<std::string> summaryOf(TestProgram& t, const testing::PersonInput& one,
                                   const testing::PersonInput& two, const std::string& day = "7") {
    Program& p = openAisyou(t);
    Screen& aisyou = p.screen(ScreenId::aisyou);
    typePerson(aisyou, 1, one);
    typePerson(aisyou, 2, two);
    typeTargetDate(aisyou, "2026", "12", day);
    p.enter(ScreenId::aisyou);
    const auto& items = p.screen(ScreenId::aisyousin).control("List1").items();
    return {items.end() - 7, items.end()};
}

TEST(CompatRun, PhasesAndPercentageAreIndependent) {
    // 1965-05-10 is on emotion day 8 on the target date; each day earlier adds one.
    struct Case {
        std::string birthDay1, birthDay2;
        std::string percentLine, verdict;
    };
    const std::vector<Case> cases{
        // Days 13 and 14: one day apart, yet on different sides.
        {"5", "4", "一生涯について，二人の相性度は，93%です。", kDifferent},
        // Days 14 and 28: half a cycle apart, yet both on the minus side.
        {"4", "18", "一生涯について，二人の相性度は，0%です。", kSame},
        // The same birth date.
        {"10", "10", "一生涯について，二人の相性度は，100%です。", kSame},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.birthDay1 + " " + c.birthDay2);
        TestProgram t;
        auto summary = summaryOf(t, {"A", "昭和", "40", "5", c.birthDay1},
                                 {"B", "昭和", "40", "5", c.birthDay2});
        EXPECT_EQ(summary[2], c.percentLine);
        EXPECT_EQ(summary[5], c.verdict);
    }
}

TEST(CompatRun, SummaryKeepsTheTextsAsTyped) {
    TestProgram t;
    auto summary =
        summaryOf(t, {"山田  ", "昭和", "40", "5", "10"}, {"", "昭和", "42", "8", "3"}, "07");
    EXPECT_EQ(summary[3], "2026年12月07日のバイオリズムについて，");
    EXPECT_EQ(summary[4], "山田  さんとさんとの相性は，");
}

TEST(CompatRun, APersonWithoutEraStillGetsAPercentage) {
    TestProgram t;
    Program& p = openAisyou(t);
    Screen& aisyou = p.screen(ScreenId::aisyou);
    typePerson(aisyou, 1, {"A", "", "40", "5", "10"});
    typePerson(aisyou, 2, {"B", "昭和", "x", "", ""});
    typeTargetDate(aisyou, "2026", "12", "7");
    p.click(ScreenId::aisyou, "Command1");
    const auto& items = p.screen(ScreenId::aisyousin).control("List1").items();
    ASSERT_GE(items.size(), 7u);
    EXPECT_TRUE(items[items.size() - 5].starts_with("一生涯について，二人の相性度は，"));
    EXPECT_FALSE(p.state().emosign[1].empty());
}

TEST(CompatibilityPercent, FollowsTheDistanceOfTheEmotionDays) {
    // P by distance 0..14; distances past 14 fold back.
    const int kByDistance[15] = {100, 93, 86, 79, 71, 64, 57, 50, 43, 36, 29, 21, 14, 7, 0};
    for (int one = 1; one <= 28; ++one) {
        for (int two = 1; two <= 28; ++two) {
            const int d = std::abs(one - two);
            EXPECT_EQ(compatibilityPercent(one, two), kByDistance[d <= 14 ? d : 28 - d])
                << one << " " << two;
        }
    }
}

TEST(EmotionSign, IsPlusForTheFirstThirteenDays) {
    for (int day = 1; day <= 28; ++day)
        EXPECT_EQ(emotionSign(day), day <= 13 ? "プラス" : "マイナス") << day;
}

TEST(CompatibilitySummary, ComparesTheTwoSigns) {
    DiagnosisState s;
    s.tyeartext = "2026";
    s.tmonthtext = "1";
    s.tdaytext = "x";
    s.emosign = {"", "マイナス", "マイナス"};
    EXPECT_EQ(compatibilitySummary(s, "A", "B", 7),
              (std::vector<std::string>{"", stars(), "一生涯について，二人の相性度は，7%です。",
                                        "2026年1月x日のバイオリズムについて，",
                                        "AさんとBさんとの相性は，", kSame, stars()}));
    s.emosign[2] = "プラス";
    EXPECT_EQ(compatibilitySummary(s, "A", "B", 7)[5], kDifferent);
}

}  // namespace
}  // namespace bio
