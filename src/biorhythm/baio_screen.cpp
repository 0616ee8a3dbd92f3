// The input screen baio: its load action, the register command and the run command.

#include <algorithm>
#include <optional>

#include "biorhythm/baio_controls.h"
#include "biorhythm/biorhythm.h"
#include "biorhythm/last_entry_file.h"
#include "calendar/calendar.h"
#include "register/register_file.h"
#include "shell/program.h"
#include "shell/today.h"

namespace bio {

namespace {

// Only an exact era name selects an option; anything else leaves them alone.
void selectExactEra(Screen& baio, const std::string& eraname) {
    auto era = std::find(kEraNames.begin(), kEraNames.end(), eraname);
    if (era != kEraNames.end()) baio.select(kBaioEraOptions[era - kEraNames.begin()]);
}

}  // namespace

void loadBaio(Program& p) {
    DiagnosisState& s = p.state();
    Screen& baio = p.screen(ScreenId::baio);
    // A missing or unreadable file is an ordinary first start: empty fields, no message.
    LastEntry entry = readLastEntry(p).value_or(LastEntry{});
    s.names[1] = entry[0];
    s.eraname = entry[1];
    s.erayeartext = entry[2];
    s.bmonthtext = entry[3];
    s.bdaytext = entry[4];

    baio.setText("Text7", s.names[1]);
    selectExactEra(baio, s.eraname);
    baio.setText("Text1", s.erayeartext);
    baio.setText("Text2", s.bmonthtext);
    baio.setText("Text3", s.bdaytext);
    fillTodayDate(p, baio, kBaioTargetDateBoxes);
}

void takeRegisterPerson(Program& p) {
    Screen& baio = p.screen(ScreenId::baio);
    std::optional<int16_t> number = recordNumberFromText(p, baio.text("Text12"));
    if (!number) return;
    p.state().recno = *number;
    if (!openRegister(p)) return;
    std::optional<RegisterRecord> record = readRecord(p, p.state().recno);
    if (!record) return;
    selectEraFromField(baio, kBaioEraOptions, record->era);
    // Fields go in as read, padding blanks included.
    baio.setText("Text7", record->name);
    baio.setText("Text1", record->year);
    baio.setText("Text2", record->month);
    baio.setText("Text3", record->day);
}

void startReading(Program& p) {
    Screen& sindan = p.screen(ScreenId::sindan);
    sindan.control("List1").clearItems();
    sindan.control("Picture1").canvas().clear();
    runbio(p);
}

}  // namespace bio
