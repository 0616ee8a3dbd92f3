// The input screen baio: its load action, the register command and the run command.

#include <algorithm>
#include <optional>

#include "biorhythm/biorhythm.h"
#include "biorhythm/last_entry_file.h"
#include "register/register_file.h"
#include "register/storage_warnings.h"
#include "shell/baio_controls.h"
#include "shell/program.h"
#include "shell/sindan_controls.h"

namespace bio {

namespace {

// Only an exact era name selects an option; anything else leaves them alone.
void selectExactEra(Screen& screen, const std::string& eraname) {
    auto era = std::find(kEraNames.begin(), kEraNames.end(), eraname);
    if (era != kEraNames.end()) screen.select(baio::kEraOptions[era - kEraNames.begin()]);
}

}  // namespace

void loadBaio(Program& p) {
    DiagnosisState& s = p.state();
    Screen& screen = p.screen(ScreenId::baio);
    // A missing or unreadable file is an ordinary first start: empty fields, no message.
    LastEntry entry = readLastEntry(p).value_or(LastEntry{});
    s.names[1] = entry[0];
    s.eraname = entry[1];
    s.erayeartext = entry[2];
    s.bmonthtext = entry[3];
    s.bdaytext = entry[4];

    screen.setText(baio::kNameBox, s.names[1]);
    selectExactEra(screen, s.eraname);
    screen.setText(baio::kBirthBoxes[0], s.erayeartext);
    screen.setText(baio::kBirthBoxes[1], s.bmonthtext);
    screen.setText(baio::kBirthBoxes[2], s.bdaytext);
    fillTodayDate(p, screen, baio::kTargetDateBoxes);
}

void takeRegisterPerson(Program& p) {
    Screen& screen = p.screen(ScreenId::baio);
    const std::optional<int16_t> number =
        orWarn(p, recordNumberFromText(screen.text(baio::kNumberBox)));
    if (!number) return;
    p.state().recno = *number;
    if (!succeeded(p, openRegister(p))) return;
    const std::optional<RegisterRecord> record = orWarn(p, readRecord(p, p.state().recno));
    if (!record) return;
    selectEraFromField(screen, baio::kEraOptions, record->era);
    // Fields go in as read, padding blanks included.
    screen.setText(baio::kNameBox, record->name);
    screen.setText(baio::kBirthBoxes[0], record->year);
    screen.setText(baio::kBirthBoxes[1], record->month);
    screen.setText(baio::kBirthBoxes[2], record->day);
}

void startReading(Program& p) {
    Screen& screen = p.screen(ScreenId::sindan);
    screen.control(sindan::kList).clearItems();
    screen.control(sindan::kPicture).canvas().clear();
    runbio(p);
}

}  // namespace bio
