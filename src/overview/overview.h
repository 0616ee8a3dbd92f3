#pragma once
// The register at a glance: everyone's biorhythm for one day on itiran,
// reached from the menu's "一　覧　表".

#include <optional>
#include <string>
#include <vector>

#include "state/diagnosis_state.h"
#include "ui/services.h"

namespace bio {

class Program;

// menyu.Command7 and itiran's commands.
void installOverview(Program& p);

// menyu.Command7: itiran in the menu's place, today's date in empty date
// boxes, then its "表示".
void showOverview(Program& p);
// itiran.Command1 "表示" and Enter: the list for the day in the date boxes.
void overview(Program& p);
// The day in itiran's date boxes; nullopt, after telling the user, when it
// is no real day.
std::optional<Date> overviewDay(Program& p);

struct OverviewLine {
    std::string text;
    bool caution = false;              // at least one rhythm on a caution day
    std::string name;                  // as stored, without padding
    std::optional<DateNumbers> birth;  // when the line shows verdicts
};

// One line per record with a name, in record order (record k is records[k - 1]):
// its number, name and birth date as stored, then the three verdicts for
// `day`, or "　生年月日を読めません" when the stored birth date is no date
// before `day`.
std::vector<OverviewLine> personLines(const std::vector<RegisterRecord>& records, const Date& day);

}  // namespace bio
