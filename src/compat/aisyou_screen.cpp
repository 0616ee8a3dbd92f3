// The compatibility input screen: pre-fill, persons from the register and the
// two-person append.

#include <cstdint>
#include <limits>
#include <optional>

#include "biorhythm/biorhythm.h"
#include "biorhythm/month_steps.h"
#include "calendar/calendar.h"
#include "compat/aisyou_controls.h"
#include "compat/compat.h"
#include "register/register_file.h"
#include "register/warnings.h"
#include "shell/program.h"
#include "shell/today.h"
#include "state/numbers.h"
#include "ui/page.h"

namespace bio {

namespace {

// The register holds at most kMaxRecords records, far below what the 16-bit
// recno can count, so that limit is the only one the append has to check.
static_assert(kMaxRecords <= std::numeric_limits<int16_t>::max());

Screen& aisyouScreen(Program& p) { return p.screen(ScreenId::aisyou); }

// A record's texts go into the boxes as stored, padding included; a blank or
// unknown era leaves the person's era selection as it was.
void fillPerson(Screen& aisyou, const PersonControls& person, const RegisterRecord& record) {
    selectEraFromField(aisyou, person.eraOptions, record.era);
    aisyou.setText(person.nameBox, record.name);
    aisyou.setText(person.birthBoxes[0], record.year);
    aisyou.setText(person.birthBoxes[1], record.month);
    aisyou.setText(person.birthBoxes[2], record.day);
}

// Reads record k into the person's controls; numbers below 1 name no record.
void fillPersonFromRecord(Program& p, const PersonControls& person, int k) {
    if (k < 1) return;
    p.state().recno = static_cast<int16_t>(k);
    if (std::optional<RegisterRecord> record = readRecord(p, k)) {
        fillPerson(aisyouScreen(p), person, *record);
    }
}

void setPersonFromRegister(Program& p, const PersonControls& person) {
    std::optional<int16_t> number = recordNumberFromText(p, aisyouScreen(p).text(person.numberBox));
    if (!number || !openRegister(p)) return;
    fillPersonFromRecord(p, person, *number);
}

// The person's boxes as a record numbered recno.
bool writePerson(Program& p, const PersonControls& person) {
    Screen& aisyou = aisyouScreen(p);
    const int16_t recno = p.state().recno;
    RegisterRecord record{
        .number = numberText(recno),
        .name = aisyou.text(person.nameBox),
        .era = selectedEra(aisyou, person.eraOptions),
        .year = aisyou.text(person.birthBoxes[0]),
        .month = aisyou.text(person.birthBoxes[1]),
        .day = aisyou.text(person.birthBoxes[2]),
    };
    return writeRecord(p, recno, record);
}

// recno is N + 2 after the scan: the number the second person would take.
bool roomForTwoMore(Program& p) {
    if (p.state().recno <= kMaxRecords) return true;
    warn(p, "登録できるのは" + numberText(kMaxRecords) +
                "件までです。2人分の空きがないため、登録しません。");
    return false;
}

void writeBothPersons(Program& p) {
    DiagnosisState& s = p.state();
    s.recno -= 1;  // N + 1
    if (!writePerson(p, kPerson1)) return;
    // Either answer goes on: the message only tells that person 1 is saved.
    p.dialogs().messageBox("保存しました。", "");
    s.recno += 1;  // N + 2
    writePerson(p, kPerson2);
}

}  // namespace

bool read(Program& p) {
    return scanRegister(p, [](int, const RegisterRecord&) {});
}

void readset(Program& p) {
    if (read(p)) {
        const int count = p.state().recno - 2;  // N
        fillPersonFromRecord(p, kPerson1, count - 1);
        fillPersonFromRecord(p, kPerson2, count);
    }
    fillTodayDate(p, aisyouScreen(p), kTargetDateBoxes);
}

void setPerson1FromRegister(Program& p) { setPersonFromRegister(p, kPerson1); }

void setPerson2FromRegister(Program& p) { setPersonFromRegister(p, kPerson2); }

void registerBothPersons(Program& p) {
    if (read(p) && roomForTwoMore(p)) writeBothPersons(p);
    p.closeAllFiles();
}

void installCompat(Program& p) {
    p.setLoadAction(ScreenId::aisyou, readset);
    p.setCommand(ScreenId::aisyou, "Command4", setPerson1FromRegister);
    p.setCommand(ScreenId::aisyou, "Command5", setPerson2FromRegister);
    p.setCommand(ScreenId::aisyou, "Command2", registerBothPersons);
    p.setCommand(ScreenId::aisyou, "Command1", runCompatibility);
    p.setCommand(ScreenId::aisyousin, "repoto",
                 [](Program& program) { printReport(program, aisyousinReport); });
    installMonthSteps(p, ScreenId::aisyousin, ScreenId::aisyou, kTargetDateBoxes, runCompatibility);
}

}  // namespace bio
