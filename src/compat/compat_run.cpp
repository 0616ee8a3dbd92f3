// The compatibility run: both persons diagnosed one after the other on one
// result screen, then the lifetime percentage and the verdict for the date.

#include <cmath>
#include <cstdlib>

#include "biorhythm/day_count.h"
#include "biorhythm/graph_steps.h"
#include "biorhythm/report_data.h"
#include "compat/compat.h"
#include "reading/reading.h"
#include "shell/aisyou_controls.h"
#include "shell/aisyousin_controls.h"
#include "shell/program.h"
#include "state/numbers.h"
#include "state/typed_inputs.h"

namespace bio {

namespace {

// Person 1's curve; person 2's is kGreen, drawn over it.
constexpr int kMagenta = 5;
constexpr int kEmotionHalfCycle = 14;

TypedInputs personInputs(const Screen& screen, const aisyou::PersonControls& person) {
    return {screen.text(person.nameBox),
            screen.text(person.birthBoxes[0]),
            screen.text(person.birthBoxes[1]),
            screen.text(person.birthBoxes[2]),
            screen.text(aisyou::kTargetDateBoxes[0]),
            screen.text(aisyou::kTargetDateBoxes[1]),
            screen.text(aisyou::kTargetDateBoxes[2])};
}

// runperson1 and runperson2: the report of the target date, then the graph
// from the 1st of its month.
void runPerson(Program& p, const aisyou::PersonControls& person) {
    DiagnosisState& s = p.state();
    const Screen& screen = p.screen(ScreenId::aisyou);
    s.person = person.person;
    s.byear = 0;
    storeTypedInputs(s, personInputs(screen, person));
    s.eraname = selectedEra(screen, person.eraOptions);
    s.byear = birthAsTyped({s.eraname, s.erayeartext, s.bmonthtext, s.bdaytext}).year;
    p.move(ScreenId::aisyou, ScreenId::aisyousin);

    calcdays(p);
    s.births[s.person] = currentBirth(s);
    aisyoutext(p);
    s.d2 = 1;
    calcdays(p);
    aisyougraph(p);
}

}  // namespace

void runperson1(Program& p) { runPerson(p, aisyou::kPerson1); }

void runperson2(Program& p) { runPerson(p, aisyou::kPerson2); }

int compatibilityPercent(int emoday1, int emoday2) {
    const int distance = std::abs(emoday1 - emoday2);  // 0..27
    // The outer absolute value folds the cycle: d and 28 - d read the same.
    const double x = std::abs(100 - (distance * 100) / double(kEmotionHalfCycle));
    return roundToInt16(x);
}

std::vector<std::string> compatibilitySummary(const DiagnosisState& s, const std::string& name1,
                                              const std::string& name2, int percent) {
    std::string stars;
    for (int i = 0; i < 56; ++i) stars += "★";
    const bool samePhase = s.emosign[1] == s.emosign[2];
    return {
        "",
        stars,
        "一生涯について，二人の相性度は，" + numberText(percent) + "%です。",
        s.tyeartext + "年" + s.tmonthtext + "月" + s.tdaytext + "日のバイオリズムについて，",
        name1 + "さんと" + name2 + "さんとの相性は，",
        samePhase ? "性格が同じであれば，相性は一致する。"
                  : "性格が同じであれば，相性は一致しない。しかし，相手が燃えているときに，"
                    "燃えるようにすれば，うまくいくでしょう。",
        stars,
    };
}

void runCompatibility(Program& p) {
    DiagnosisState& s = p.state();
    Screen& result = p.screen(ScreenId::aisyousin);
    result.control(aisyousin::kList).clearItems();
    result.control(aisyousin::kPicture).canvas().clear();

    const Screen& input = p.screen(ScreenId::aisyou);
    const std::string name1 = input.text(aisyou::kPerson1.nameBox);
    s.graphcolor = kMagenta;
    runperson1(p);
    // Either answer goes on: the pause only lets the user read person 1 first.
    p.dialogs().messageBox("次へ", "");
    const std::string name2 = input.text(aisyou::kPerson2.nameBox);
    s.graphcolor = kGreen;
    runperson2(p);

    result.control(aisyousin::kPicture).canvas().describe(pairGraphText(s));
    const int percent = compatibilityPercent(s.emoday[1], s.emoday[2]);
    p.show(ScreenId::aisyousin);
    for (std::string& line : compatibilitySummary(s, name1, name2, percent)) {
        result.control(aisyousin::kList).addItem(std::move(line));
    }
}

}  // namespace bio
