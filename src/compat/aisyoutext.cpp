// One person's written reading in the compatibility result list. The verdicts
// are the biorhythm reading's own table.

#include "compat/compat.h"
#include "reading/verdict.h"
#include "shell/aisyousin_controls.h"
#include "shell/program.h"
#include "state/numbers.h"

namespace bio {

namespace {

void addRhythmLines(Control& list, Rhythm rhythm, double cycleDay) {
    for (std::string& line : rhythmLines(rhythm, cycleDay)) list.addItem(std::move(line));
}

}  // namespace

std::string_view emotionSign(int emoday) {
    return emoday >= 1 && emoday <= 13 ? "プラス" : "マイナス";
}

std::string personReadingRule() { return std::string(105, '-'); }

void aisyoutext(Program& p) {
    DiagnosisState& s = p.state();
    p.show(ScreenId::aisyousin);
    Control& list = p.screen(ScreenId::aisyousin).control(aisyousin::kList);
    const int emoday = s.emoday[s.person];

    // Each person's report opens with a rule, so the two stand apart in one list.
    list.addItem(personReadingRule());
    list.addItem(s.names[s.person] + "さんのバイオリズム診断をします。");
    list.addItem(numberText(s.y2) + "年" + numberText(s.m2) + "月" + numberText(s.d2) +
                 "日について");
    list.addItem("生まれてから現在日までの日数は" + numberText(s.days) + "です。");
    list.addItem("感情は，" + numberText(emoday) + "日目です。知性は，" + numberText(s.intday) +
                 "日目です。身体は，" + numberText(s.bodyday) + "日目です。");
    addRhythmLines(list, Rhythm::Emotion, emoday);
    s.emosign[s.person] = emotionSign(emoday);
    addRhythmLines(list, Rhythm::Intellect, s.intday);
    addRhythmLines(list, Rhythm::Body, s.bodyday);
}

}  // namespace bio
