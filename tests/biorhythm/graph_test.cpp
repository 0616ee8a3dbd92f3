// The month graph as the display list of sindan.Picture1.

#include <gtest/gtest.h>

#include <cmath>

#include "biorhythm/reading.h"
#include "reading/verdict.h"
#include "state/numbers.h"
#include "testing/program_fixture.h"

namespace bio {
namespace {

using testing::BaioInput;
using testing::TestProgram;
using Kind = CanvasOp::Kind;

constexpr int kBlack = 0, kDarkBlue = 1, kGreen = 2, kLightRed = 12;

// The parts of one drawing, in drawing order.
struct Graph {
    int mdays = 0;
    std::vector<CanvasOp> head;  // scale, zero axis, retained image, month, title
    std::vector<CanvasOp> emotion, intellect, body, ticks, numbers, letters, legend;
};

Graph split(const std::vector<CanvasOp>& ops) {
    Graph g;
    EXPECT_EQ(ops.size() % 6, 4u) << "10 + 6 operations per day position";
    g.mdays = static_cast<int>((ops.size() - 10) / 6);
    auto at = ops.begin();
    auto take = [&](std::vector<CanvasOp>& into, std::size_t n) {
        into.assign(at, at + n);
        at += n;
    };
    take(g.head, 5);
    for (int t = 0; t < g.mdays; ++t) {
        g.emotion.push_back(*at++);
        g.intellect.push_back(*at++);
        g.body.push_back(*at++);
    }
    take(g.ticks, g.mdays - 1);
    take(g.numbers, g.mdays);
    take(g.letters, g.mdays);
    take(g.legend, 6);
    return g;
}

const std::vector<CanvasOp>& pictureOps(Program& p) {
    return p.screen(ScreenId::sindan).control("Picture1").canvas().ops();
}

Graph readingFor(const std::string& year, const std::string& month, TestProgram& t) {
    BaioInput in;
    in.targetYear = year;
    in.targetMonth = month;
    in.targetDay = "15";
    testing::runReading(t.program(), in);
    return split(pictureOps(t.program()));
}

CanvasOp line(double x1, double y1, double x2, double y2, int color, int width) {
    return {Kind::Line, x1, y1, x2, y2, color, width, {}};
}

CanvasOp text(double x, double y, const std::string& s, int color, int width) {
    return {Kind::Text, x, y, 0, 0, color, width, s};
}

TEST(MonthGraph, HasOneDayPositionPerDayOfTheMonth) {
    struct Case {
        std::string year, month;
        int mdays;
    };
    const Case cases[] = {
        {"2027", "2", 28}, {"2028", "2", 29},  {"2100", "2", 29},  // every fourth year leaps
        {"2026", "4", 30}, {"2026", "6", 30},  {"2026", "9", 30},  {"2026", "11", 30},
        {"2026", "1", 31}, {"2026", "12", 31}, {"2026", "13", 31},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.year + "-" + c.month);
        TestProgram t;
        t.start();
        Graph g = readingFor(c.year, c.month, t);
        ASSERT_EQ(g.mdays, c.mdays);
        const double m = c.mdays;
        EXPECT_EQ(g.head[0], (CanvasOp{Kind::Scale, 0, 30, m, -30, kBlack, 1, {}}));
        EXPECT_EQ(g.head[1], line(0, 0, m, 0, kBlack, 1));
        EXPECT_EQ(g.head[2].kind, Kind::AutoRedraw);
        EXPECT_EQ(g.head[3], text(1, 26, canvasNumberText(numericValue(c.month)), kDarkBlue, 1));
        EXPECT_EQ(g.head[4], text(2, 26, " 月のバイオリズムグラフ", kDarkBlue, 1));
        for (int t = 0; t < c.mdays; ++t) {
            // Each curve runs from x = 0 to x = mdays in steps of one day.
            for (const auto* curve : {&g.emotion, &g.intellect, &g.body}) {
                EXPECT_EQ((*curve)[t].x1, t);
                EXPECT_EQ((*curve)[t].x2, t + 1);
                if (t > 0) {
                    EXPECT_EQ((*curve)[t].y1, (*curve)[t - 1].y2);
                }
            }
            EXPECT_EQ(g.numbers[t],
                      text(float(t - 0.5), -4, " " + std::to_string(t + 1) + " ", kDarkBlue, 2));
            EXPECT_EQ(g.letters[t].x1, float(t - 0.3));
            EXPECT_EQ(g.letters[t].y1, 7);
        }
        for (int t = 1; t < c.mdays; ++t) {
            EXPECT_EQ(g.ticks[t - 1], line(t, 3, t, -3, kDarkBlue, 2));
        }
    }
}

TEST(MonthGraph, EachKindOfLineHasItsPen) {
    TestProgram t;
    t.start();
    Graph g = readingFor("2026", "12", t);
    for (int i = 0; i < g.mdays; ++i) {
        EXPECT_EQ(std::pair(g.emotion[i].color, g.emotion[i].width), std::pair(kDarkBlue, 5));
        EXPECT_EQ(std::pair(g.intellect[i].color, g.intellect[i].width), std::pair(kGreen, 3));
        EXPECT_EQ(std::pair(g.body[i].color, g.body[i].width), std::pair(kLightRed, 2));
        EXPECT_EQ(g.emotion[i].kind, Kind::Line);
        // The intellect curve lies on whole units.
        EXPECT_EQ(g.intellect[i].y1, std::round(g.intellect[i].y1));
    }
    EXPECT_EQ(g.legend,
              (std::vector<CanvasOp>{
                  line(1, -26, 3, -26, kDarkBlue, 5), text(3, -26, ":感情", kDarkBlue, 5),
                  line(6, -26, 8, -26, kGreen, 3), text(8, -26, ":知性", kGreen, 3),
                  line(11, -26, 13, -26, kLightRed, 2), text(13, -26, ":身体", kLightRed, 2)}));
    const Canvas& canvas = t.program().screen(ScreenId::sindan).control("Picture1").canvas();
    EXPECT_EQ(std::pair(canvas.color(), canvas.width()), std::pair(kLightRed, 2));
}

TEST(MonthGraph, ZeroAxisTakesThePenThePreviousDrawingLeft) {
    TestProgram t;
    Program& p = t.start();
    Graph first = readingFor("2026", "12", t);
    EXPECT_EQ(first.head[1], line(0, 0, 31, 0, kBlack, 1));
    p.click(ScreenId::sindan, "back");
    Graph second = readingFor("2026", "4", t);
    EXPECT_EQ(second.head[1], line(0, 0, 30, 0, kLightRed, 2));
    // The picture was cleared in between: only the second drawing remains.
    EXPECT_EQ(pictureOps(p).size(), 10u + 6 * 30);
}

std::string lettersOf(const Graph& g) {
    std::string letters;
    for (const CanvasOp& op : g.letters) letters += op.text;
    return letters;
}

std::string coloursOf(const Graph& g) {
    std::string colours;
    for (const CanvasOp& op : g.letters)
        colours += op.color == kLightRed ? 'R' : op.color == kDarkBlue ? 'b' : '?';
    return colours;
}

TEST(MonthGraph, WeekdayLettersStartAtTheFirstsWeekdayWithWeekendsInRed) {
    TestProgram t;
    t.start();
    Graph august = readingFor("2026", "8", t);  // 1 August 2026 is a Saturday
    EXPECT_EQ(lettersOf(august), "土日月火水木金土日月火水木金土日月火水木金土日月火水木金土日月");
    EXPECT_EQ(coloursOf(august), "RRbbbbbRRbbbbbRRbbbbbRRbbbbbRRb");
    Graph february = readingFor("2027", "2", t);  // a Monday, 28 positions
    EXPECT_EQ(lettersOf(february), "月火水木金土日月火水木金土日月火水木金土日月火水木金土日");
    EXPECT_EQ(coloursOf(february), "bbbbbRRbbbbbRRbbbbbRRbbbbbRR");
    Graph leapFebruary = readingFor("2028", "2", t);  // a Tuesday, 29 positions
    EXPECT_EQ(lettersOf(leapFebruary),
              "火水木金土日月火水木金土日月火水木金土日月火水木金土日月火");
}

// A cycle day c is drawn at about 20 sin(2πc / period): above the axis on good
// days, below it on low days.
TEST(MonthGraph, CurvesArePositiveOnGoodDaysAndNegativeOnLowDays) {
    for (const char* month : {"1", "2", "3", "7", "12"}) {
        SCOPED_TRACE(month);
        TestProgram t;
        t.start();
        Graph g = readingFor("2026", month, t);
        const DiagnosisState& s = t.program().state();
        struct Curve {
            Rhythm rhythm;
            int period;
            double firstDay;
            const std::vector<CanvasOp>& segments;
        };
        const Curve curves[] = {{Rhythm::Emotion, 28, double(s.emoday[1]), g.emotion},
                                {Rhythm::Intellect, 33, s.intday, g.intellect},
                                {Rhythm::Body, 23, s.bodyday, g.body}};
        for (const Curve& c : curves) {
            for (int t = 0; t < g.mdays; ++t) {
                double day = std::fmod(c.firstDay - 1 + t, c.period) + 1;
                double y = c.segments[t].y1;
                EXPECT_LE(std::abs(y), 20);
                std::optional<Verdict> v = classify(c.rhythm, day);
                if (v == Verdict::Good) {
                    EXPECT_GT(y, 0) << "day " << day;
                } else if (v == Verdict::Low) {
                    EXPECT_LT(y, 0) << "day " << day;
                }
            }
        }
    }
}

// The 1st of December 2026 is emotion day 5, intellect day 18, body day 10 for
// the example person. The emotion angle advances 12.857 degrees a day (its start
// angle uses 12.8571); the intellect angle accumulates in single precision.
TEST(MonthGraph, CurvePointsFollowTheGraphsConstants) {
    TestProgram t;
    t.start();
    Graph g = readingFor("2026", "12", t);
    constexpr double kTolerance = 2e-6;  // single precision around 20
    EXPECT_NEAR(g.emotion[0].y1, 18.0193367, kTolerance);
    EXPECT_NEAR(g.emotion[1].y1, 19.4985254, kTolerance);
    EXPECT_NEAR(g.emotion[30].y2, 19.4989492, kTolerance);  // 19.49871 with 12.8571 a day
    EXPECT_EQ(g.intellect[0].y1, -6);                       // -5.63 rounded
    EXPECT_EQ(g.intellect[1].y1, -9);
    EXPECT_EQ(g.intellect[30].y2, 2);
    EXPECT_NEAR(g.body[0].y1, 7.9679806, kTolerance);
    EXPECT_NEAR(g.body[30].y2, -19.5816443, kTolerance);
}

}  // namespace
}  // namespace bio
