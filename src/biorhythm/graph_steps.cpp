#include "biorhythm/graph_steps.h"

#include <array>
#include <cmath>

#include "state/numbers.h"

namespace bio {

namespace {

constexpr double kGpi = 3.14159;  // the graph's π, kept for identical curves
constexpr double kTop = 30;       // the scale runs from +30 at the top to -30 at the bottom
constexpr double kAmplitude = 20;
// Degrees per day of each cycle. The emotion start angle uses 12.8571 but its
// daily advance 12.857, so the curve drifts slightly over a month, as it always has.
constexpr double kEmotionStartStep = 12.8571;
constexpr double kEmotionDailyStep = 12.857;
constexpr double kIntellectStep = 10.9091;
constexpr double kBodyStep = 15.6522;
constexpr std::string_view kTitleAfterMonth = "月のバイオリズムグラフ";

// The canvas works in single precision.
double single(double value) { return static_cast<float>(value); }

double curveValue(double phase, double advancedDegrees, double gpi) {
    return kAmplitude * std::sin(phase + advancedDegrees * gpi / 180);
}

void computeCurvePoints(GraphState& g) {
    for (int t = 0; t <= g.mdays; ++t) {  // mdays + 1 points, 29..32
        g.emox[t] = t;
        g.emoy[t] = curveValue(g.emophase, g.emoacc, g.gpi);
        g.intx[t] = t;
        // The intellect curve lies on whole units.
        g.inty[t] = roundToInt16(curveValue(g.intphase, g.intacc, g.gpi));
        g.bodyx[t] = t;
        g.bodyy[t] = curveValue(g.bodyphase, g.bodyacc, g.gpi);
        g.emoacc += kEmotionDailyStep;
        g.bodyacc += kBodyStep;
        g.intacc = static_cast<float>(g.intacc + kIntellectStep);
    }
}

}  // namespace

std::string monthGraphTitle(double month) {
    return numberText(month) + std::string(kTitleAfterMonth);
}

void beginMonthGraph(GraphState& g, Canvas& canvas, double month, double year,
                     const CycleDays& firstDay) {
    g.emoacc = 0;
    g.bodyacc = 0;
    g.intacc = 0;
    g.gpi = kGpi;
    g.mdays = monthLengthEveryFourthYear(year, month);
    g.emophase = firstDay.emotion * g.gpi * kEmotionStartStep / 180;
    g.intphase = firstDay.intellect * g.gpi * kIntellectStep / 180;
    g.bodyphase = firstDay.body * g.gpi * kBodyStep / 180;

    canvas.setScale(0, kTop, g.mdays, -kTop);
    // The axis takes the pen the previous drawing left: the title sets it only below.
    canvas.line(0, 0, g.mdays, 0);
    canvas.setAutoRedraw();

    setPen(canvas, kDarkBlue, 1);
    canvas.setTextPosition(1, 26);
    canvas.print(canvasNumberText(month));
    canvas.setTextPosition(2, 26);
    canvas.print(" " + std::string(kTitleAfterMonth));

    computeCurvePoints(g);
}

Segment emotionSegment(const GraphState& g, int t) {
    return {g.emox[t], g.emoy[t], g.emox[t + 1], g.emoy[t + 1]};
}

Segment intellectSegment(const GraphState& g, int t) {
    return {g.intx[t], static_cast<double>(g.inty[t]), g.intx[t + 1],
            static_cast<double>(g.inty[t + 1])};
}

Segment bodySegment(const GraphState& g, int t) {
    return {g.bodyx[t], g.bodyy[t], g.bodyx[t + 1], g.bodyy[t + 1]};
}

void setPen(Canvas& canvas, int color, int width) {
    canvas.setColor(color);
    canvas.setWidth(width);
}

void drawSegment(Canvas& canvas, const Segment& s) {
    canvas.line(single(s.x1), single(s.y1), single(s.x2), single(s.y2));
}

void drawDayTicks(const GraphState& g, Canvas& canvas) {
    canvas.setColor(kDarkBlue);
    for (int t = 1; t < g.mdays; ++t) canvas.line(t, 3, t, -3);
}

void drawDayNumbers(const GraphState& g, Canvas& canvas) {
    canvas.setColor(kDarkBlue);
    for (int t = 0; t < g.mdays; ++t) {
        canvas.setTextPosition(single(g.emox[t] - 0.5), -4);
        canvas.print(canvasNumberText(t + 1));
    }
}

void drawWeekdayLetters(GraphState& g, int firstWeekday, Canvas& canvas) {
    static constexpr std::array<const char*, 7> kLetters{"日", "月", "火", "水", "木", "金", "土"};
    for (int k = 0; k < GraphState::kPoints; ++k) g.wdtab[k] = kLetters[k % 7];
    for (int t = 0; t < g.mdays; ++t) {
        int j = t + firstWeekday;  // 0..36
        g.wdlabel[t] = g.wdtab[j];
        canvas.setTextPosition(single(g.emox[t] - 0.3), 7);
        bool weekend = j % 7 == 0 || j % 7 == 6;
        canvas.setColor(weekend ? kLightRed : kDarkBlue);
        canvas.print(g.wdlabel[t]);
    }
}

void drawLegendEntry(Canvas& canvas, int color, int width, double left, const std::string& label) {
    constexpr double kLegendY = -26;
    setPen(canvas, color, width);
    canvas.line(left, kLegendY, left + 2, kLegendY);
    canvas.setTextPosition(left + 2, kLegendY);
    canvas.print(label);
}

}  // namespace bio
