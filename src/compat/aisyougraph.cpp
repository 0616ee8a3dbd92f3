// One person's emotion curve on the compatibility graph. Both persons draw on
// the same canvas with the same scale, so the frame of the graph is drawn twice
// at the same places and person 2's curve lies over person 1's.

#include "biorhythm/graph_steps.h"
#include "compat/compat.h"
#include "shell/aisyousin_controls.h"
#include "shell/program.h"

namespace bio {

namespace {

constexpr int kCurveWidth = 5;
// The ticks keep the width the biorhythm graph's last curve leaves.
constexpr int kTickWidth = 2;

}  // namespace

void aisyougraph(Program& p) {
    DiagnosisState& s = p.state();
    GraphState& g = s.graph;
    Canvas& canvas = p.screen(ScreenId::aisyousin).control(aisyousin::kPicture).canvas();

    beginMonthGraph(g, canvas, s.m2, s.y2, {double(s.emoday[s.person]), s.intday, s.bodyday});
    setPen(canvas, s.graphcolor, kCurveWidth);
    for (int t = 0; t < g.mdays; ++t) drawSegment(canvas, emotionSegment(g, t));
    setPen(canvas, kGreen, kTickWidth);
    drawDayTicks(g, canvas);
    drawDayNumbers(g, canvas);
    // The pen stays in the curve's colour: the next drawing's zero axis takes it.
    drawLegendEntry(canvas, s.graphcolor, kCurveWidth, 1, ":感情");
}

}  // namespace bio
