// The two-person graph: both emotion curves on one canvas, nothing else of
// the biorhythm graph's curves or weekday letters.

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "compat_fixture.h"

namespace bio {
namespace {

using Kind = CanvasOp::Kind;
using testing::openAisyou;
using testing::runWorkedExample;
using testing::TestProgram;
using testing::typePerson;
using testing::typeTargetDate;

const Canvas& graphOf(Program& p) {
    return p.screen(ScreenId::aisyousin).control("Picture1").canvas();
}

// The day-to-day segments x = t .. t + 1 drawn in one colour, as their left ends and heights.
std::vector<CanvasOp> curveSegments(const Canvas& canvas, int color) {
    std::vector<CanvasOp> segments;
    for (const CanvasOp& op : canvas.ops()) {
        if (op.kind == Kind::Line && op.color == color && op.x2 - op.x1 == 1)
            segments.push_back(op);
    }
    return segments;
}

// Zero axes: the lines along y = 0 across the whole graph.
std::vector<std::pair<int, int>> zeroAxisPens(const Canvas& canvas) {
    std::vector<std::pair<int, int>> pens;
    for (const CanvasOp& op : canvas.ops()) {
        if (op.kind == Kind::Line && op.x1 == 0 && op.y1 == 0 && op.y2 == 0 && op.x2 >= 28) {
            pens.emplace_back(op.color, op.width);
        }
    }
    return pens;
}

double emotionStart(int emoday) {
    return static_cast<float>(20 * std::sin(emoday * 3.14159 * 12.8571 / 180));
}

TEST(CompatGraph, DrawsBothEmotionCurvesInTheirColoursOnOneCanvas) {
    TestProgram t;
    Program& p = runWorkedExample(t);
    const Canvas& canvas = graphOf(p);

    const auto magenta = curveSegments(canvas, 5);
    const auto green = curveSegments(canvas, 2);
    ASSERT_EQ(magenta.size(), 31u);  // December
    ASSERT_EQ(green.size(), 31u);
    for (int t = 0; t < 31; ++t) {
        EXPECT_EQ(magenta[t].x1, t);
        EXPECT_EQ(magenta[t].width, 5);
        EXPECT_EQ(green[t].x1, t);
        EXPECT_EQ(green[t].width, 5);
    }
    // Emotion days of the 1st: 2 for person 1 and 27 for person 2.
    EXPECT_DOUBLE_EQ(magenta[0].y1, emotionStart(2));
    EXPECT_DOUBLE_EQ(green[0].y1, emotionStart(27));
    EXPECT_LT(green[0].y1, 0);
    // Person 2's curve is drawn after, so over, person 1's.
    const auto& ops = canvas.ops();
    EXPECT_LT(std::find(ops.begin(), ops.end(), magenta.back()),
              std::find(ops.begin(), ops.end(), green.front()));
}

TEST(CompatGraph, DrawsNoOtherCurveAndNoWeekdayLetter) {
    TestProgram t;
    Program& p = runWorkedExample(t);
    std::set<std::string> texts;
    for (const CanvasOp& op : graphOf(p).ops()) {
        if (op.kind == Kind::Text) {
            texts.insert(op.text);
            EXPECT_NE(op.y1, 7) << "a letter above the axis: " << op.text;
        }
        if (op.kind != Kind::Line) continue;
        // Intellect is drawn width 3, body in light red: neither may appear.
        EXPECT_NE(op.width, 3);
        EXPECT_NE(op.color, 12);
        // Width 2 is left only for the day ticks, in dark blue.
        if (op.width == 2) {
            EXPECT_EQ(op.color, 1);
            EXPECT_EQ(op.x1, op.x2);
        }
    }
    std::set<std::string> expected{" 12 ", " 月のバイオリズムグラフ", ":感情"};
    for (int day = 1; day <= 31; ++day) expected.insert(" " + std::to_string(day) + " ");
    EXPECT_EQ(texts, expected);
}

TEST(CompatGraph, EndsWithTheLegendInPersonTwosColour) {
    TestProgram t;
    Program& p = runWorkedExample(t);
    const Canvas& canvas = graphOf(p);
    std::vector<std::pair<int, int>> legendPens;
    for (const CanvasOp& op : canvas.ops()) {
        if (op.kind == Kind::Line && op.x1 == 1 && op.x2 == 3 && op.y1 == -26)
            legendPens.emplace_back(op.color, op.width);
    }
    EXPECT_EQ(legendPens, (std::vector<std::pair<int, int>>{{5, 5}, {2, 5}}));
    EXPECT_EQ(canvas.ops().back().text, ":感情");
    EXPECT_EQ(canvas.ops().back().color, 2);
    EXPECT_EQ(canvas.color(), 2);
    EXPECT_EQ(canvas.width(), 5);
}

TEST(CompatGraph, ZeroAxisTakesThePenThePreviousDrawingLeft) {
    TestProgram t;
    Program& p = runWorkedExample(t);
    // First run: the new canvas's black pen, then person 1's legend pen.
    EXPECT_EQ(zeroAxisPens(graphOf(p)), (std::vector<std::pair<int, int>>{{0, 1}, {5, 5}}));

    p.click(ScreenId::aisyousin, "back");
    p.click(ScreenId::aisyou, "Command1");
    // Second run: the picture was cleared, the pen was not: person 2's green.
    EXPECT_EQ(zeroAxisPens(graphOf(p)), (std::vector<std::pair<int, int>>{{2, 5}, {5, 5}}));
}

TEST(CompatGraph, HasADayPositionForEveryDayOfTheTargetMonth) {
    struct Case {
        std::string year, month;
        std::size_t positions;
    };
    // February has a 29th position only in a year divisible by 4.
    const std::vector<Case> cases{{"2027", "2", 28},  {"2028", "2", 29}, {"2026", "4", 30},
                                  {"2026", "11", 30}, {"2026", "1", 31}, {"2026", "13", 31}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.year + "-" + c.month);
        TestProgram t;
        Program& p = openAisyou(t);
        Screen& aisyou = p.screen(ScreenId::aisyou);
        typePerson(aisyou, 1, {"A", "昭和", "40", "5", "10"});
        typePerson(aisyou, 2, {"B", "昭和", "40", "5", "10"});
        typeTargetDate(aisyou, c.year, c.month, "15");
        p.click(ScreenId::aisyou, "Command1");
        const auto magenta = curveSegments(graphOf(p), 5);
        const auto green = curveSegments(graphOf(p), 2);
        EXPECT_EQ(magenta.size(), c.positions);
        // The same birth date: the green curve covers the magenta one exactly.
        ASSERT_EQ(green.size(), c.positions);
        for (std::size_t i = 0; i < c.positions; ++i) {
            EXPECT_EQ(green[i].y1, magenta[i].y1);
            EXPECT_EQ(green[i].y2, magenta[i].y2);
        }
        const auto& ops = graphOf(p).ops();
        const long ticks = std::count_if(ops.begin(), ops.end(), [](const CanvasOp& op) {
            return op.kind == Kind::Line && op.width == 2 && op.x1 == op.x2;
        });
        EXPECT_EQ(ticks, 2 * long(c.positions - 1));  // x = 1 .. positions - 1, once per person
    }
}

}  // namespace
}  // namespace bio
