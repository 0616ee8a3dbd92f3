#include "reading/verdict.h"

#include <algorithm>
#include <array>

namespace bio {

namespace {

// The days strictly between two bounds.
struct OpenRange {
    double from, to;
    bool contains(double day) const { return from < day && day < to; }
};

struct RhythmTable {
    std::string_view name;
    std::string_view heading;
    std::vector<double> cautionDays;
    OpenRange good, low;
    std::array<std::string_view, 3> texts;  // by Verdict
};

const RhythmTable& table(Rhythm rhythm) {
    static const std::array<RhythmTable, 3> tables{{
        {"感情",
         "心の調子は，",
         {1, 2, 13, 14, 15, 27, 28},
         {2, 13},
         {15, 27},
         {"要注意日です！失言とか交通事故に注意すること。追い越しには気をつけてください。",
          "好調です！　気力旺盛，感も冴えています。", "低調です！　対人関係に注意しましょう。"}},
        {"知性",
         "頭脳の調子は，",
         {1, 2, 16, 17, 32, 33},
         {2, 16},
         {17, 32},
         {"要注意日です！不注意なミス，忘れ物，ポカに注意すること",
          "好調です！　頭の回転良し，重要な仕事の判断ＯＫ，難問などに挑戦するのも良いでしょう。",
          "低調です！復習や記憶することに重きをおいた勉強をすると良いでしょう。また，頭の休養が必要"
          "です。"}},
        {"身体",
         "身体の調子は，",
         {1, 2, 11, 12, 22, 23},
         {2, 11},
         {12, 22},
         {"要注意日です！風邪や持病に注意すること", "好調です！　体力スタミナすべてＯＫです。",
          "低調です！スタミナ欠乏，過激な仕事，運動を避けてください"}},
    }};
    return tables[static_cast<std::size_t>(rhythm)];
}

}  // namespace

std::optional<Verdict> classify(Rhythm rhythm, double cycleDay) {
    const RhythmTable& t = table(rhythm);
    // Compared as numbers, unrounded: a fractional day between two classes gets none.
    if (std::find(t.cautionDays.begin(), t.cautionDays.end(), cycleDay) != t.cautionDays.end()) {
        return Verdict::Caution;
    }
    if (t.good.contains(cycleDay)) return Verdict::Good;
    if (t.low.contains(cycleDay)) return Verdict::Low;
    return std::nullopt;
}

std::string_view verdictText(Rhythm rhythm, Verdict verdict) {
    return table(rhythm).texts[static_cast<std::size_t>(verdict)];
}

std::string_view verdictName(std::optional<Verdict> verdict) {
    if (!verdict) return "－";
    switch (*verdict) {
        case Verdict::Caution:
            return "要注意日";
        case Verdict::Good:
            return "好調";
        case Verdict::Low:
            return "低調";
    }
    return "－";
}

std::optional<std::string_view> verdictMessage(Rhythm rhythm, double cycleDay) {
    std::optional<Verdict> verdict = classify(rhythm, cycleDay);
    if (!verdict) return std::nullopt;
    return verdictText(rhythm, *verdict);
}

std::string_view rhythmName(Rhythm rhythm) { return table(rhythm).name; }

std::string_view rhythmHeading(Rhythm rhythm) { return table(rhythm).heading; }

double dayOf(const CycleDays& days, Rhythm rhythm) {
    switch (rhythm) {
        case Rhythm::Emotion:
            return days.emotion;
        case Rhythm::Intellect:
            return days.intellect;
        case Rhythm::Body:
            return days.body;
    }
    return 0;
}

std::vector<std::string> rhythmLines(Rhythm rhythm, double cycleDay) {
    std::vector<std::string> lines{std::string(rhythmHeading(rhythm))};
    if (std::optional<std::string_view> message = verdictMessage(rhythm, cycleDay)) {
        lines.emplace_back(*message);
    }
    return lines;
}

std::vector<std::string> verdictLines(const CycleDays& days) {
    std::vector<std::string> lines;
    for (Rhythm rhythm : kRhythms) {
        for (std::string& line : rhythmLines(rhythm, dayOf(days, rhythm))) {
            lines.push_back(std::move(line));
        }
    }
    return lines;
}

}  // namespace bio
