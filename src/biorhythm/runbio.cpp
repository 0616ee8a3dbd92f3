// The run of a biorhythm reading and its written diagnosis.

#include "biorhythm/baio_controls.h"
#include "biorhythm/biorhythm.h"
#include "biorhythm/last_entry_file.h"
#include "biorhythm/verdict.h"
#include "calendar/calendar.h"
#include "shell/program.h"
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
    Screen& sindan = p.screen(ScreenId::sindan);
    sindan.setText("Text9", numberText(s.days));
    sindan.setText("Text10", numberText(s.emoday[s.person]));
    sindan.setText("Text11", numberText(s.intday));
    sindan.setText("Text12", numberText(s.bodyday));
}

TypedInputs baioInputs(Screen& baio) {
    return {baio.text("Text7"), baio.text("Text1"), baio.text("Text2"), baio.text("Text3"),
            baio.text("Text4"), baio.text("Text5"), baio.text("Text6")};
}

}  // namespace

void runbio(Program& p) {
    DiagnosisState& s = p.state();
    s.person = 1;
    s.byear = 0;
    Screen& baio = p.screen(ScreenId::baio);
    storeTypedInputs(s, baioInputs(baio));
    s.eraname = selectedEra(baio, kBaioEraOptions);
    s.byear = westernYear(s.eraname, s.erayear);
    s.age = ageAt(s);
    baio.setText("Text8", numberText(s.byear));
    baio.setText("Text9", numberText(s.age));

    // A failed write is reported inside; nothing later reads the file, so the run goes on.
    writeLastEntry(p, {s.names[s.person], s.eraname, s.erayeartext, s.bmonthtext, s.bdaytext});
    p.move(ScreenId::baio, ScreenId::sindan);

    calcdays(p);
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
    Control& list = p.screen(ScreenId::sindan).control("List1");
    list.addItem(numberText(s.y2) + "年" + numberText(s.m2) + "月" + numberText(s.d2) +
                 "日について");
    list.addItem(s.names[s.person] + "さんのバイオリズム診断をします。");
    list.addItem("生まれてから現在日までの日数は" + numberText(s.days) + "です。");
    for (std::string& line : verdictLines({double(s.emoday[s.person]), s.intday, s.bodyday})) {
        list.addItem(std::move(line));
    }
}

}  // namespace bio
