// The one-page report of a compatibility run: each person with the reading the
// list shows, the summary, the two-person graph and the month's days the two
// share a phase on or either must be careful on.

#include <array>

#include "biorhythm/biorhythm.h"
#include "biorhythm/graph_steps.h"
#include "biorhythm/report_data.h"
#include "biorhythm/report_layout.h"
#include "compat/compat.h"
#include "shell/aisyousin_controls.h"
#include "shell/program.h"
#include "ui/page.h"

namespace bio {

namespace {

// The colours of the persons' curves, by person index.
constexpr std::array<Rgb, 3> kPersonInk{{{}, {128, 0, 128}, {0, 128, 0}}};
// A person's reading opens with the name and date lines, which the report's
// own heading and date stand for.
constexpr std::size_t kReplacedReadingLines = 2;

// The run's list cut apart: each person's reading (after its rule) and the
// summary (after the empty line).
struct RunList {
    std::vector<std::vector<std::string>> readings;
    std::vector<std::string> summary;
};

RunList splitRunList(const std::vector<std::string>& items) {
    RunList parts;
    const std::string rule = personReadingRule();
    bool inSummary = false;
    for (const std::string& item : items) {
        if (inSummary) {
            parts.summary.push_back(item);
        } else if (item == rule) {
            parts.readings.emplace_back();
        } else if (item.empty()) {
            inSummary = true;
        } else if (!parts.readings.empty()) {
            parts.readings.back().push_back(item);
        }
    }
    return parts;
}

std::vector<std::string> without(const std::vector<std::string>& lines, std::size_t front,
                                 std::size_t back) {
    if (lines.size() <= front + back) return {};
    return {lines.begin() + static_cast<std::ptrdiff_t>(front),
            lines.end() - static_cast<std::ptrdiff_t>(back)};
}

void writePerson(ReportWriter& w, const DiagnosisState& s, int person,
                 const std::vector<std::string>& reading) {
    const Rgb ink = kPersonInk[static_cast<std::size_t>(person)];
    const Font heading{kGothic, 12, true};
    // A stroke like the graph's legend, so the curve can be told by its colour.
    const double middle = w.top() + heading.points * kMmPerPoint / 2;
    w.stroke(ReportWriter::kMargin, middle, ReportWriter::kMargin + 7, middle, ink, 1.5);
    w.lines({s.names[person] + "さん　" + birthText(s.births[person])}, heading, ink, 10);
    w.skip(1);
    w.reading(without(reading, kReplacedReadingLines, 0), {kMincho, 10, false}, 5);
    w.skip(4);
}

// The days of the target month the two share an emotion phase on, and those
// either is on a caution day.
std::string pairMonthHeading(const DiagnosisState& s) {
    return monthText(s.y2, s.m2) + "の二人の感情";
}

std::vector<std::string> pairMonthLines(const DiagnosisState& s) {
    const std::vector<Reading> month1 = monthReading(s.births[1].western, s.y2, s.m2).days;
    const std::vector<Reading> month2 = monthReading(s.births[2].western, s.y2, s.m2).days;
    const auto sign = [](const Reading& day) { return emotionSign(int(day.cycle.emotion)); };
    const auto caution = [](const Reading& day) {
        return day.verdict(Rhythm::Emotion) == Verdict::Caution;
    };
    const std::vector<int> samePhase =
        daysWhere(month1.size(), [&](std::size_t i) { return sign(month1[i]) == sign(month2[i]); });
    const std::vector<int> eitherCaution = daysWhere(
        month1.size(), [&](std::size_t i) { return caution(month1[i]) || caution(month2[i]); });
    return {dayListLine("二人の感情が同じ調子の日：", samePhase),
            dayListLine("どちらかが要注意日の日：", eitherCaution)};
}

}  // namespace

// Reads what the run left on the screen and in the state, and changes neither.
Page aisyousinReport(Program& p) {
    const DiagnosisState& s = p.state();
    const RunList list =
        splitRunList(p.screen(ScreenId::aisyousin).control(aisyousin::kList).items());
    Page page;
    ReportWriter w(page);

    w.title(s.names[1] + "さんと" + s.names[2] + "さんの相性診断");
    w.line("診断日　" + targetDateText(s), {kMincho, 11, false});
    w.rule(kNavy, 0.5);
    w.skip(5);
    for (std::size_t i = 0; i < list.readings.size() && i < 2; ++i)
        writePerson(w, s, static_cast<int>(i) + 1, list.readings[i]);

    // The summary between its two rules of stars.
    const std::vector<std::string> summary = without(list.summary, 1, 1);
    if (!summary.empty()) {
        w.framed([&] {
            w.lines({summary.front()}, {kGothic, 14, true}, kNavy);
            w.skip(1);
            w.lines(without(summary, 1, 0), {kGothic, 11, true});
        });
    }
    w.skip(6);

    w.picture(pictureOf(p, ScreenId::aisyousin, aisyousin::kPicture));
    w.skip(6);
    w.heading(pairMonthHeading(s));
    w.framed([&] { w.lines(pairMonthLines(s), {kGothic, 12, true}); });
    return page;
}

TextAlternative pairGraphText(const DiagnosisState& s) {
    TextAlternative text{monthGraphTitle(s.m2), {pairMonthHeading(s)}};
    for (std::string& line : pairMonthLines(s)) text.lines.push_back(std::move(line));
    return text;
}

}  // namespace bio
