#pragma once
// The drawing steps of a month graph. The biorhythm graph uses them all; the
// compatibility graph composes the same steps with its own curve and legend.

#include <cstdint>
#include <string>

#include "calendar/calendar.h"
#include "state/diagnosis_state.h"
#include "ui/canvas.h"

namespace bio {

// Palette indices of the graph.
inline constexpr int kDarkBlue = 1;
inline constexpr int kGreen = 2;
inline constexpr int kLightRed = 12;

// "12月のバイオリズムグラフ": the title the graph draws over its month.
std::string monthGraphTitle(double month);

// Everything before the curves: working values, day positions (as
// monthLengthEveryFourthYear counts them), start angles,
// scale, the zero axis in whatever pen the previous drawing left, the retained
// image, the title and the curve points 0..mdays. `firstDay` holds the cycle
// days of the month's 1st.
void beginMonthGraph(GraphState& g, Canvas& canvas, double month, double year,
                     const CycleDays& firstDay);

struct Segment {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// The segment from point t to point t + 1 of each curve.
Segment emotionSegment(const GraphState& g, int t);
Segment intellectSegment(const GraphState& g, int t);
Segment bodySegment(const GraphState& g, int t);

void setPen(Canvas& canvas, int color, int width);
// A line in the current pen, its coordinates in single precision.
void drawSegment(Canvas& canvas, const Segment& segment);

// Ticks at x = 1..mdays-1 in dark blue, keeping the current width.
void drawDayTicks(const GraphState& g, Canvas& canvas);
// Day numbers 1..mdays below the axis, in dark blue.
void drawDayNumbers(const GraphState& g, Canvas& canvas);
// Weekday letters above the axis for a month whose 1st is weekday `firstWeekday`
// (0 = Sunday); Saturdays and Sundays in light red, the others in dark blue.
void drawWeekdayLetters(GraphState& g, int firstWeekday, Canvas& canvas);
// One legend entry at the bottom: a short line from x = left to left + 2 in the
// given pen, its label at the line's right end. The pen stays set.
void drawLegendEntry(Canvas& canvas, int color, int width, double left, const std::string& label);

}  // namespace bio
