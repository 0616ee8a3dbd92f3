// The one-page report of a reading: who and when, the result screen's figures
// and diagnosis, its month graph, and the month day by day with its caution days.

#include "biorhythm/biorhythm.h"
#include "biorhythm/report_data.h"
#include "biorhythm/report_layout.h"
#include "shell/program.h"
#include "shell/sindan_controls.h"
#include "ui/page.h"

namespace bio {

namespace {

// The frame "バイオリズム計算" as one line: each label with its box.
std::string dayCountsLine(const Screen& screen) {
    std::string line;
    for (const auto& [label, box] : sindan::kDayCountLabels) {
        line += (line.empty() ? "" : "　　") + screen.text(label) + "　" + screen.text(box);
    }
    return line;
}

}  // namespace

// Reads what the reading left on the screen and in the state, and changes neither.
Page sindanReport(Program& p) {
    const DiagnosisState& s = p.state();
    const Screen& screen = p.screen(ScreenId::sindan);
    Page page;
    ReportWriter w(page);

    w.title(s.names[s.person] + "さんのバイオリズム");
    w.row(birthText(currentBirth(s)), "診断日　" + targetDateText(s), {kMincho, 11, false});
    w.rule(kNavy, 0.5);
    w.skip(5);
    w.framed([&] { w.lines({dayCountsLine(screen)}, {kGothic, 11, true}, kNavy); });
    w.skip(5);
    w.reading(screen.control(sindan::kList).items(), {kMincho, 11, false});
    w.skip(5);
    w.picture(pictureOf(p, ScreenId::sindan, sindan::kPicture));
    w.skip(8);

    w.heading(monthDaysHeading(s.y2, s.m2));
    // The graph starts on the 1st: its weekday is the one the table starts with.
    const MonthReading month = monthReading({s.y1, s.m1, s.d1}, s.y2, s.m2);
    writeDayTable(w, month.days, s.wday2);
    w.skip(5);
    w.framed([&] { w.lines(cautionDayLines(month), {kGothic, 13, true}); });
    return page;
}

}  // namespace bio
