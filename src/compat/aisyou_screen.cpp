// The compatibility input screen: pre-fill, persons from the register and the
// two-person append.

#include <cstdint>
#include <limits>
#include <optional>

#include "biorhythm/biorhythm.h"
#include "biorhythm/month_steps.h"
#include "compat/compat.h"
#include "register/record_layout.h"
#include "register/register_file.h"
#include "register/storage_warnings.h"
#include "shell/aisyou_controls.h"
#include "shell/aisyousin_controls.h"
#include "shell/program.h"
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
void fillPerson(Screen& screen, const aisyou::PersonControls& person,
                const RegisterRecord& record) {
    selectEraFromField(screen, person.eraOptions, record.era);
    screen.setText(person.nameBox, record.name);
    screen.setText(person.birthBoxes[0], record.year);
    screen.setText(person.birthBoxes[1], record.month);
    screen.setText(person.birthBoxes[2], record.day);
}

// Reads record k into the person's controls; numbers below 1 name no record.
void fillPersonFromRecord(Program& p, const aisyou::PersonControls& person, int k) {
    if (k < 1) return;
    p.state().recno = static_cast<int16_t>(k);
    if (const std::optional<RegisterRecord> record = orWarn(p, readRecord(p, k)))
        fillPerson(aisyouScreen(p), person, *record);
}

void setPersonFromRegister(Program& p, const aisyou::PersonControls& person) {
    const std::optional<int16_t> number =
        orWarn(p, recordNumberFromText(aisyouScreen(p).text(person.numberBox)));
    if (!number || !succeeded(p, openRegister(p))) return;
    fillPersonFromRecord(p, person, *number);
}

// The person's boxes as a record; the append puts the number in.
RegisterRecord personRecord(Program& p, const aisyou::PersonControls& person) {
    const Screen& screen = aisyouScreen(p);
    return {
        .number = {},
        .name = screen.text(person.nameBox),
        .era = selectedEra(screen, person.eraOptions),
        .year = screen.text(person.birthBoxes[0]),
        .month = screen.text(person.birthBoxes[1]),
        .day = screen.text(person.birthBoxes[2]),
    };
}

// Appends the person's record after the whole records the register holds at
// this moment, numbered by its position, which recno then tells: with one
// program N + 1 for person 1 and N + 2 for person 2, with another program
// registering in between, after its records instead of over them.
bool appendPerson(Program& p, const aisyou::PersonControls& person) {
    const std::optional<int> k = orWarn(p, appendRecords(p, {personRecord(p, person)}));
    if (k) p.state().recno = static_cast<int16_t>(*k);
    return k.has_value();
}

// recno is N + 2 after the scan: the number the second person would take.
bool roomForTwoMore(Program& p) {
    if (p.state().recno <= kMaxRecords) return true;
    warn(p, "登録できるのは" + numberText(kMaxRecords) +
                "件までです。2人分の空きがないため、登録しません。");
    return false;
}

// Both persons are checked before either is written, so that a refusal
// leaves the register as it was.
bool bothStorable(Program& p) {
    return succeeded(p, storable(p.cp932(), personRecord(p, aisyou::kPerson1))) &&
           succeeded(p, storable(p.cp932(), personRecord(p, aisyou::kPerson2)));
}

void writeBothPersons(Program& p) {
    if (!appendPerson(p, aisyou::kPerson1)) return;
    // Either answer goes on: the message only tells that person 1 is saved.
    p.dialogs().messageBox("保存しました。", "");
    appendPerson(p, aisyou::kPerson2);
}

}  // namespace

bool read(Program& p) {
    return succeeded(p, scanRegister(p, [](int, const RegisterRecord&) {}));
}

void readset(Program& p) {
    if (read(p)) {
        const int count = p.state().recno - 2;  // N
        fillPersonFromRecord(p, aisyou::kPerson1, count - 1);
        fillPersonFromRecord(p, aisyou::kPerson2, count);
    }
    fillTodayDate(p, aisyouScreen(p), aisyou::kTargetDateBoxes);
}

void setPerson1FromRegister(Program& p) { setPersonFromRegister(p, aisyou::kPerson1); }

void setPerson2FromRegister(Program& p) { setPersonFromRegister(p, aisyou::kPerson2); }

void registerBothPersons(Program& p) {
    if (bothStorable(p) && read(p) && roomForTwoMore(p)) writeBothPersons(p);
    p.closeAllFiles();
}

void installCompat(Program& p) {
    p.setLoadAction(ScreenId::aisyou, readset);
    p.setCommand(ScreenId::aisyou, aisyou::kPerson1.takeFromRegister, setPerson1FromRegister);
    p.setCommand(ScreenId::aisyou, aisyou::kPerson2.takeFromRegister, setPerson2FromRegister);
    p.setCommand(ScreenId::aisyou, aisyou::kRegister, registerBothPersons);
    p.setCommand(ScreenId::aisyou, aisyou::kRun, runCompatibility);
    p.setCommand(ScreenId::aisyousin, aisyousin::kReport,
                 [](Program& program) { printReport(program, aisyousinReport); });
    installMonthSteps(p, ScreenId::aisyousin, {aisyousin::kPreviousMonth, aisyousin::kNextMonth},
                      ScreenId::aisyou, aisyou::kTargetDateBoxes, runCompatibility);
}

}  // namespace bio
