// The run from baio's boxes to the result screen, and the register command.

#include <gtest/gtest.h>

#include <filesystem>

#include "biorhythm/reading.h"
#include "testing/program_fixture.h"

namespace bio {
namespace {

using testing::BaioInput;
using testing::runReading;
using testing::TestProgram;

std::vector<std::string> texts(Screen& screen, std::initializer_list<const char*> keys) {
    std::vector<std::string> result;
    for (const char* key : keys) result.push_back(screen.text(key));
    return result;
}

using Texts = std::vector<std::string>;

TEST(Runbio, FillsBothScreensForTheExamplePerson) {
    TestProgram t;
    Program& p = t.start();
    runReading(p, BaioInput{});
    Screen& baio = p.screen(ScreenId::baio);
    Screen& sindan = p.screen(ScreenId::sindan);
    EXPECT_EQ(texts(baio, {"Text8", "Text9"}), (Texts{"1963", "63"}));
    EXPECT_EQ(texts(sindan, {"Text9", "Text10", "Text11", "Text12", "Text1", "Text3", "Text2"}),
              (Texts{"23222", "11", "24", "16", "金曜日", "12", "火曜日"}));
    EXPECT_EQ(
        sindan.control("List1").items(),
        (Texts{"2026年12月7日について", "ＡＢＣＤさんのバイオリズム診断をします。",
               "生まれてから現在日までの日数は23222です。", "心の調子は，",
               "好調です！　気力旺盛，感も冴えています。", "頭脳の調子は，",
               "低調です！復習や記憶することに重きをおいた勉強をすると良いでしょう。また，"
               "頭の休養が必要です。",
               "身体の調子は，", "低調です！スタミナ欠乏，過激な仕事，運動を避けてください"}));
    EXPECT_FALSE(p.visible(ScreenId::baio));
    EXPECT_TRUE(p.visible(ScreenId::sindan));
}

TEST(Runbio, LeavesTheTargetDateInTheSavedValuesAndTheFirstInTheState) {
    TestProgram t;
    Program& p = t.start();
    runReading(p, BaioInput{});
    const DiagnosisState& s = p.state();
    EXPECT_EQ(s.person, 1);
    EXPECT_EQ(s.byear, 1963);
    EXPECT_EQ(s.age, 63);
    EXPECT_EQ(s.saveemo, 11);
    EXPECT_EQ(s.saveint, 24);
    EXPECT_EQ(s.savebody, 16);
    // The 1st of December lies six days before the 7th in every cycle.
    EXPECT_EQ(s.d2, 1);
    EXPECT_EQ(s.tday, 7);
    EXPECT_EQ(s.daynum2, 46293);
    EXPECT_EQ(s.days, 23216);
    EXPECT_EQ(s.emoday[1], 5);
    EXPECT_EQ(s.intday, 18);
    EXPECT_EQ(s.bodyday, 10);
    EXPECT_EQ(s.wday2, 2);
    EXPECT_EQ(s.tyeartext, "2026");
    EXPECT_EQ(s.eraname, "昭和");
}

TEST(Runbio, AgeCountsCompletedYears) {
    struct Case {
        std::string month, day;
        std::string age;
    };
    const Case cases[] = {
        {"5", "10", "63"}, {"5", "9", "62"},   {"4", "30", "62"},
        {"5", "11", "63"}, {"12", "31", "63"}, {"1", "1", "62"},
    };
    for (const Case& c : cases) {
        TestProgram t;
        Program& p = t.start();
        BaioInput in;
        in.targetYear = "2026";
        in.targetMonth = c.month;
        in.targetDay = c.day;
        runReading(p, in);
        EXPECT_EQ(p.screen(ScreenId::baio).text("Text9"), c.age) << c.month << "/" << c.day;
    }
}

TEST(Runbio, OddInputsRunThroughTheSameFormulas) {
    struct Case {
        BaioInput in;
        std::string westernYear, age, daysLine;
    };
    BaioInput noEra;
    noEra.eraOption = "";
    BaioInput textYear;
    textYear.eraYear = "年";  // no leading number: the year before the era's first
    BaioInput unitYear;
    unitYear.eraYear = "38年";
    BaioInput beforeBirth;
    beforeBirth.targetYear = "1963";
    beforeBirth.targetMonth = "3";
    beforeBirth.targetDay = "31";  // 40 days before 10 May 1963
    const Case cases[] = {
        {noEra, "0", "2026", ""},
        {textYear, "1925", "101", ""},
        {unitYear, "1963", "63", "生まれてから現在日までの日数は23222です。"},
        {beforeBirth, "1963", "-1", "生まれてから現在日までの日数は-40です。"},
    };
    for (const Case& c : cases) {
        TestProgram t;
        Program& p = t.start();
        runReading(p, c.in);
        EXPECT_EQ(texts(p.screen(ScreenId::baio), {"Text8", "Text9"}),
                  (Texts{c.westernYear, c.age}));
        const auto& items = p.screen(ScreenId::sindan).control("List1").items();
        ASSERT_EQ(items.size(), 9u);
        if (!c.daysLine.empty()) {
            EXPECT_EQ(items[2], c.daysLine);
        }
    }
}

TEST(Runbio, ABirthDateReadingIsCautionOnAllThree) {
    TestProgram t;
    Program& p = t.start();
    BaioInput in;
    in.name = "";
    in.targetYear = "1963";
    in.targetMonth = "5";
    in.targetDay = "10";
    runReading(p, in);
    const auto& items = p.screen(ScreenId::sindan).control("List1").items();
    ASSERT_EQ(items.size(), 9u);
    EXPECT_EQ(items[1], "さんのバイオリズム診断をします。");
    EXPECT_EQ(items[4],
              "要注意日です！失言とか交通事故に注意すること。追い越しには気をつけてください。");
    EXPECT_EQ(items[6], "要注意日です！不注意なミス，忘れ物，ポカに注意すること");
    EXPECT_EQ(items[8], "要注意日です！風邪や持病に注意すること");
}

TEST(Runbio, AFractionalDayInNoClassShortensTheList) {
    TestProgram t;
    Program& p = t.start();
    BaioInput in;
    // 15.5 days lived: emotion 16.5 stored as 16 (half to even, low), intellect 16.5 (no
    // class), body 16.5 (low).
    in.targetYear = "1963";
    in.targetMonth = "5";
    in.targetDay = "25.5";
    runReading(p, in);
    Screen& sindan = p.screen(ScreenId::sindan);
    EXPECT_EQ(sindan.text("Text11"), "16.5");
    EXPECT_EQ(sindan.control("List1").items(),
              (Texts{"1963年5月25.5日について", "ＡＢＣＤさんのバイオリズム診断をします。",
                     "生まれてから現在日までの日数は15.5です。", "心の調子は，",
                     "低調です！　対人関係に注意しましょう。", "頭脳の調子は，", "身体の調子は，",
                     "低調です！スタミナ欠乏，過激な仕事，運動を避けてください"}));
}

TEST(Runbio, EnterRunsTheSameReadingAndEachRunStartsAfresh) {
    TestProgram t;
    Program& p = t.start();
    testing::typeInto(p, BaioInput{});
    p.enter(ScreenId::baio);
    EXPECT_EQ(p.screen(ScreenId::sindan).text("Text9"), "23222");
    p.click(ScreenId::sindan, "back");
    p.enter(ScreenId::baio);
    EXPECT_EQ(p.screen(ScreenId::sindan).control("List1").items().size(), 9u);
    EXPECT_EQ(p.screen(ScreenId::baio).text("Text4"), "2026");
}

// Register records: number 5, name 20, era 5, year 4, month 4, day 4 bytes.
std::string record(Cp932& cp, const std::string& name, const std::string& era,
                   const std::string& year) {
    return cp.encodeField("1", 5) + cp.encodeField(name, 20) + cp.encodeField(era, 5) +
           cp.encodeField(year, 4) + cp.encodeField("5", 4) + cp.encodeField("10", 4);
}

TEST(RegisterCommand, TakesThePersonWithItsPadding) {
    TestProgram t;
    Cp932 cp;
    testing::writeBytes(t.file("kojinfl2.txt"),
                        record(cp, "ＡＢＣＤ", "昭和", "38") + record(cp, "ｲﾛﾊ", "平成", "3"));
    Program& p = t.start();
    Screen& baio = p.screen(ScreenId::baio);
    const std::pair<std::string, Texts> cases[] = {
        {"1", {"ＡＢＣＤ" + std::string(12, ' '), "38  ", "5   ", "10  "}},
        {"2.5", {"ｲﾛﾊ" + std::string(17, ' '), "3   ", "5   ", "10  "}},  // half to even: 2
    };
    for (const auto& [number, boxes] : cases) {
        baio.setText("Text12", number);
        p.click(ScreenId::baio, "Command4");
        EXPECT_EQ(texts(baio, {"Text7", "Text1", "Text2", "Text3"}), boxes) << number;
    }
    EXPECT_TRUE(baio.control("Option4").selected());
    EXPECT_EQ(p.state().recno, 2);
    EXPECT_TRUE(t.events.lines.empty());
}

TEST(RegisterCommand, RefusesBadNumbersAndChangesNothing) {
    TestProgram t;
    Program& p = t.start();
    Screen& baio = p.screen(ScreenId::baio);
    testing::typeInto(p, BaioInput{});
    for (const char* number : {"", "abc", "0", "-1", "32768", "40000"}) {
        t.events.lines.clear();
        baio.setText("Text12", number);
        p.click(ScreenId::baio, "Command4");
        ASSERT_EQ(t.events.lines.size(), 1u) << number;
        EXPECT_NE(t.events.lines[0].find("title \"誤り警告\""), std::string::npos) << number;
        EXPECT_EQ(texts(baio, {"Text7", "Text1", "Text2", "Text3"}),
                  (Texts{"ＡＢＣＤ", "38", "5", "10"}));
        EXPECT_TRUE(baio.control("Option3").selected());
    }
    EXPECT_FALSE(std::filesystem::exists(t.file("kojinfl2.txt")));
}

TEST(RegisterCommand, ARecordBeyondTheEndEmptiesTheBoxesButKeepsTheEra) {
    TestProgram t;
    Program& p = t.start();
    Screen& baio = p.screen(ScreenId::baio);
    testing::typeInto(p, BaioInput{});
    baio.setText("Text12", "7");
    p.click(ScreenId::baio, "Command4");
    EXPECT_EQ(texts(baio, {"Text7", "Text1", "Text2", "Text3", "Text4", "Text12"}),
              (Texts{"", "", "", "", "2026", "7"}));
    EXPECT_TRUE(baio.control("Option3").selected());
}

}  // namespace
}  // namespace bio
