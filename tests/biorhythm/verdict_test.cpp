#include "reading/verdict.h"

#include <gtest/gtest.h>

#include <string>

namespace bio {
namespace {

char letter(std::optional<Verdict> v) {
    if (!v) return '-';
    switch (*v) {
        case Verdict::Caution:
            return 'C';
        case Verdict::Good:
            return 'G';
        case Verdict::Low:
            return 'L';
    }
    return '?';
}

// The class of every whole day of a cycle, day 1 first.
std::string classesOfCycle(Rhythm rhythm, int length) {
    std::string classes;
    for (int day = 1; day <= length; ++day) classes += letter(classify(rhythm, day));
    return classes;
}

TEST(Verdict, PartitionsEveryWholeCycleDay) {
    // Emotion: caution 27, 28, 1, 2 and 13-15; good 3-12; low 16-26.
    EXPECT_EQ(classesOfCycle(Rhythm::Emotion, 28), "CCGGGGGGGGGGCCCLLLLLLLLLLLCC");
    // Intellect: caution 32, 33, 1, 2 and 16, 17; good 3-15; low 18-31.
    EXPECT_EQ(classesOfCycle(Rhythm::Intellect, 33), "CCGGGGGGGGGGGGGCCLLLLLLLLLLLLLLCC");
    // Body: caution 22, 23, 1, 2 and 11, 12; good 3-10; low 13-21.
    EXPECT_EQ(classesOfCycle(Rhythm::Body, 23), "CCGGGGGGGGCCLLLLLLLLLCC");
}

TEST(Verdict, FractionalOrOutOfCycleDaysMayFallInNoClass) {
    struct Case {
        Rhythm rhythm;
        double day;
        char expected;
    };
    const Case cases[] = {
        {Rhythm::Intellect, 16.5, '-'}, {Rhythm::Intellect, 15.5, 'G'},
        {Rhythm::Intellect, 31.5, 'L'}, {Rhythm::Intellect, 2.5, 'G'},
        {Rhythm::Body, 11.5, '-'},      {Rhythm::Body, 21.5, 'L'},
        {Rhythm::Body, 22.5, '-'},      {Rhythm::Body, 10.5, 'G'},
        {Rhythm::Emotion, 13.5, '-'},   {Rhythm::Emotion, 12.5, 'G'},
        {Rhythm::Emotion, 0, '-'},      {Rhythm::Emotion, 29, '-'},
        {Rhythm::Body, 0, '-'},         {Rhythm::Intellect, 34, '-'},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(letter(classify(c.rhythm, c.day)), c.expected)
            << "rhythm " << static_cast<int>(c.rhythm) << " day " << c.day;
    }
}

TEST(Verdict, MessagesAreTheFixedTexts) {
    EXPECT_EQ(verdictText(Rhythm::Emotion, Verdict::Caution),
              "要注意日です！失言とか交通事故に注意すること。追い越しには気をつけてください。");
    EXPECT_EQ(verdictText(Rhythm::Emotion, Verdict::Good),
              "好調です！\u3000気力旺盛\uff0c感も冴えています。");
    EXPECT_EQ(verdictText(Rhythm::Emotion, Verdict::Low),
              "低調です！\u3000対人関係に注意しましょう。");
    EXPECT_EQ(verdictText(Rhythm::Intellect, Verdict::Caution),
              "要注意日です！不注意なミス，忘れ物，ポカに注意すること");
    EXPECT_EQ(
        verdictText(Rhythm::Intellect, Verdict::Good),
        "好調です！　頭の回転良し，重要な仕事の判断ＯＫ，難問などに挑戦するのも良いでしょう。");
    EXPECT_EQ(
        verdictText(Rhythm::Intellect, Verdict::Low),
        "低調です！復習や記憶することに重きをおいた勉強をすると良いでしょう。また，頭の休養が必要"
        "です。");
    EXPECT_EQ(verdictText(Rhythm::Body, Verdict::Caution),
              "要注意日です！風邪や持病に注意すること");
    EXPECT_EQ(verdictText(Rhythm::Body, Verdict::Good), "好調です！　体力スタミナすべてＯＫです。");
    EXPECT_EQ(verdictText(Rhythm::Body, Verdict::Low),
              "低調です！スタミナ欠乏，過激な仕事，運動を避けてください");
    EXPECT_EQ(verdictMessage(Rhythm::Intellect, 16.5), std::nullopt);
    EXPECT_EQ(verdictMessage(Rhythm::Body, 3), verdictText(Rhythm::Body, Verdict::Good));
}

TEST(Verdict, LinesFollowEachHeadingWithItsMessage) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(
        verdictLines({1, 1, 1}),
        (Lines{"心の調子は，", std::string(verdictText(Rhythm::Emotion, Verdict::Caution)),
               "頭脳の調子は，", std::string(verdictText(Rhythm::Intellect, Verdict::Caution)),
               "身体の調子は，", std::string(verdictText(Rhythm::Body, Verdict::Caution))}));
    // A day in no class leaves its heading followed by the next heading.
    EXPECT_EQ(verdictLines({5, 16.5, 11.5}),
              (Lines{"心の調子は，", std::string(verdictText(Rhythm::Emotion, Verdict::Good)),
                     "頭脳の調子は，", "身体の調子は，"}));
}

}  // namespace
}  // namespace bio
