// The month graph of a biorhythm reading on sindan.Picture1.

#include "biorhythm/biorhythm.h"
#include "biorhythm/graph_steps.h"
#include "biorhythm/report_data.h"
#include "shell/program.h"
#include "shell/sindan_controls.h"

namespace bio {

namespace {

Canvas& sindanPicture(Program& p) {
    return p.screen(ScreenId::sindan).control(sindan::kPicture).canvas();
}

}  // namespace

void drawgraph(Program& p) {
    DiagnosisState& s = p.state();
    GraphState& g = s.graph;
    Canvas& canvas = sindanPicture(p);
    beginMonthGraph(g, canvas, s.m2, s.y2, {double(s.emoday[s.person]), s.intday, s.bodyday});
    for (int t = 0; t < g.mdays; ++t) {
        setPen(canvas, kDarkBlue, 5);
        drawSegment(canvas, emotionSegment(g, t));
        setPen(canvas, kGreen, 3);
        drawSegment(canvas, intellectSegment(g, t));
        setPen(canvas, kLightRed, 2);
        drawSegment(canvas, bodySegment(g, t));
    }
    drawDayTicks(g, canvas);
    drawDayNumbers(g, canvas);
    drawdaylabels(p);
    drawLegendEntry(canvas, kDarkBlue, 5, 1, ":感情");
    drawLegendEntry(canvas, kGreen, 3, 6, ":知性");
    // Leaves the pen light red, width 2: the next reading's zero axis is drawn with it.
    drawLegendEntry(canvas, kLightRed, 2, 11, ":身体");
    canvas.describe(readingGraphText(s));
}

void drawdaylabels(Program& p) {
    DiagnosisState& s = p.state();
    drawWeekdayLetters(s.graph, s.wday2, sindanPicture(p));
}

}  // namespace bio
