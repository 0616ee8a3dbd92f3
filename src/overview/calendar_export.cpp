#include "overview/calendar_export.h"

#include <filesystem>
#include <vector>

#include "biorhythm/month_steps.h"
#include "calendar/month_step.h"
#include "overview/caution_calendar.h"
#include "overview/overview.h"
#include "platform/file_writer.h"
#include "platform/path.h"
#include "register/register_file.h"
#include "register/storage_warnings.h"
#include "shell/baio_controls.h"
#include "shell/itiran_controls.h"
#include "shell/program.h"
#include "shell/sindan_controls.h"
#include "state/numbers.h"
#include "state/utf8.h"

namespace bio {

namespace {

constexpr int kMostMonths = 24;
constexpr const char* kTitle = "カレンダー書き出し";

// The months the user asks for; nullopt when cancelled or refused (told).
std::optional<int> askMonths(Program& p) {
    const std::optional<std::string> answer =
        p.dialogs().inputBox("何か月分の要注意日を書き出しますか？（1～24）", kTitle, "12");
    if (!answer) return std::nullopt;
    const std::optional<int> months = exportMonths(*answer);
    if (!months) warn(p, "月数は1から24までの整数で入力してください。");
    return months;
}

// Asks for the months and the file, then writes the caution days of
// `persons` from the 1st of `month` on.
void exportCautionDays(Program& p, const std::vector<CautionPerson>& persons, const Date& month,
                       const std::string& version) {
    const std::optional<int> months = askMonths(p);
    if (!months) return;
    const Date first{month.year, month.month, 1};
    const std::optional<Date> end = stepMonth(first, *months);
    if (!end) {
        warn(p, "9999年12月より後の月は書き出せません。");
        return;
    }
    const std::optional<std::filesystem::path> file =
        p.dialogs().fileDialog({FileDialogMode::Save, "カレンダーに書き出す", "iCalendar (*.ics)",
                                "バイオリズム要注意日.ics"});
    if (!file) return;

    const std::vector<CautionRun> runs = cautionRuns(persons, first, *end);
    const std::string text = cautionCalendar(persons, runs, p.clock().today(), version);
    if (FileStatus written = replaceFileAtomically(p.fileWriter(), *file, text); !written) {
        // Named in full: the user may not know which folder the dialog was in.
        warn(p, written.error().as(utf8Text(*file), FileStep::Write));
        return;
    }
    p.dialogs().messageBox("要注意日の予定を" + numberText(double(runs.size())) +
                               "件書き出しました。\n" + utf8Text(*file),
                           "");
}

// sindan: the person read, from the reading's target month.
void exportReading(Program& p, const std::string& version) {
    const std::optional<Date> target =
        steppableBoxes(p, p.screen(ScreenId::baio), baio::kTargetDateBoxes);
    if (!target) return;
    const DiagnosisState& s = p.state();
    exportCautionDays(p, {{s.readingName, s.readingBirth}}, *target, version);
}

// itiran: everyone the list shows with verdicts for its day, in record order.
void exportOverview(Program& p, const std::string& version) {
    const std::optional<Date> day = overviewDay(p);
    if (!day) return;
    const std::optional<std::vector<RegisterRecord>> records = orWarn(p, readAllRecords(p));
    if (!records) return;
    std::vector<CautionPerson> persons;
    for (const PersonReading& person : personReadings(*records, *day))
        if (person.birth)
            persons.push_back({std::string(shownName(*person.record)), *person.birth});
    if (persons.empty()) {
        warn(p, "一覧に診断できる人がいないため、書き出せません。");
        return;
    }
    exportCautionDays(p, persons, *day, version);
}

}  // namespace

std::optional<int> exportMonths(std::string_view text) {
    int months = 0;
    bool digits = false, other = false;
    forEachUtf8Char(text, [&](const Utf8Char& c) {
        const char32_t ascii = asciiForm(c.code);
        const bool blank = isBlank(c.code);
        const bool digit = ascii >= U'0' && ascii <= U'9';
        other = !(blank || digit);
        if (digit) {
            digits = true;
            months = months * 10 + static_cast<int>(ascii - U'0');
        }
        return !other && months <= kMostMonths;
    });
    if (!digits || other || months < 1 || months > kMostMonths) return std::nullopt;
    return months;
}

void installCalendarExport(Program& p, std::string version) {
    p.setCommand(ScreenId::sindan, sindan::kCalendarExport,
                 [version](Program& program) { exportReading(program, version); });
    p.setCommand(ScreenId::itiran, itiran::kCalendarExport,
                 [version](Program& program) { exportOverview(program, version); });
}

}  // namespace bio
