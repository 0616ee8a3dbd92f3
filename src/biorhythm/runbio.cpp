// The run of a biorhythm reading and its written diagnosis.

#include "biorhythm/biorhythm.h"
#include "biorhythm/day_count.h"
#include "biorhythm/last_entry_file.h"
#include "reading/reading.h"
#include "register/storage_warnings.h"
#include "shell/baio_controls.h"
#include "shell/program.h"
#include "shell/sindan_controls.h"
#include "state/numbers.h"
#include "state/typed_inputs.h"

namespace bio {

namespace {

// Completed years at the target date; nothing is taken off on the birthday itself.
double ageAt(const DiagnosisState& s) {
    bool beforeBirthday = s.tmonth < s.bmonth || (s.tmonth == s.bmonth && s.tday < s.bday);
    return s.tyear - s.byear - (beforeBirthday ? 1 : 0);
}

// Days lived and the three cycle days of the last day count.
void showDayCounts(Program& p) {
    const DiagnosisState& s = p.state();
    Screen& screen = p.screen(ScreenId::sindan);
    screen.setText(sindan::kDaysBox, numberText(s.days));
    screen.setText(sindan::kEmotionBox, numberText(s.emoday[s.person]));
    screen.setText(sindan::kIntellectBox, numberText(s.intday));
    screen.setText(sindan::kBodyBox, numberText(s.bodyday));
}

TypedInputs baioInputs(const Screen& screen) {
    return {screen.text(baio::kNameBox),
            screen.text(baio::kBirthBoxes[0]),
            screen.text(baio::kBirthBoxes[1]),
            screen.text(baio::kBirthBoxes[2]),
            screen.text(baio::kTargetDateBoxes[0]),
            screen.text(baio::kTargetDateBoxes[1]),
            screen.text(baio::kTargetDateBoxes[2])};
}

}  // namespace

void runbio(Program& p) {
    DiagnosisState& s = p.state();
    s.person = 1;
    s.byear = 0;
    Screen& screen = p.screen(ScreenId::baio);
    storeTypedInputs(s, baioInputs(screen));
    s.eraname = selectedEra(screen, baio::kEraOptions);
    s.byear = birthAsTyped({s.eraname, s.erayeartext, s.bmonthtext, s.bdaytext}).year;
    s.age = ageAt(s);
    screen.setText(baio::kWesternYearBox, numberText(s.byear));
    screen.setText(baio::kAgeBox, numberText(s.age));

    // Nothing later reads the file, so the run goes on after telling the user.
    succeeded(p, writeLastEntry(
                     p, {s.names[s.person], s.eraname, s.erayeartext, s.bmonthtext, s.bdaytext}));
    p.move(ScreenId::baio, ScreenId::sindan);

    calcdays(p);
    s.readingName = s.names[s.person];
    s.readingBirth = {s.y1, s.m1, s.d1};
    showDayCounts(p);
    // The target date's cycle days, kept for printing: the graph recomputes them for the 1st.
    s.saveemo = s.emoday[s.person];
    s.saveint = s.intday;
    s.savebody = roundToInt16(s.bodyday);
    weekday1(p);
    diagtext(p);

    s.d2 = 1;
    calcdays(p);
    weekday2(p);
    drawgraph(p);
}

void diagtext(Program& p) {
    const DiagnosisState& s = p.state();
    p.show(ScreenId::sindan);
    showDayCounts(p);
    Control& list = p.screen(ScreenId::sindan).control(sindan::kList);
    list.addItem(numberText(s.y2) + "年" + numberText(s.m2) + "月" + numberText(s.d2) +
                 "日について");
    list.addItem(s.names[s.person] + "さんのバイオリズム診断をします。");
    list.addItem("生まれてから現在日までの日数は" + numberText(s.days) + "です。");
    for (std::string& line : verdictLines({double(s.emoday[s.person]), s.intday, s.bodyday})) {
        list.addItem(std::move(line));
    }
}

}  // namespace bio
