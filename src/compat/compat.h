#pragma once
// The compatibility reading: the input screen aisyou (two persons and a target
// date, taken from and added to the register), the run with its percentage and
// verdict, each person's report and the shared two-person graph on aisyousin.

#include <string>
#include <string_view>
#include <vector>

#include "ui/canvas.h"

namespace bio {

class Program;
struct DiagnosisState;
struct Page;

// Sets aisyou's load action and its command handlers.
void installCompat(Program& p);

// aisyou's load action: the two newest register records and today's date.
void readset(Program& p);
// Opens and scans the register, leaving recno at N + 2; false when it could
// not (the user has been told).
bool read(Program& p);
// Command4 "セット１" / Command5 "セット２": one person from the register number
// typed beside the button.
void setPerson1FromRegister(Program& p);
void setPerson2FromRegister(Program& p);
// Command2 "登録": both persons appended as records N + 1 and N + 2.
void registerBothPersons(Program& p);

// Command1 " 相 性 診 断 実 行" and Enter: both persons, then the summary.
void runCompatibility(Program& p);
void runperson1(Program& p);
void runperson2(Program& p);
// One person's written reading on aisyousin.List1; sets emosign(person).
void aisyoutext(Program& p);
// The line of hyphens that opens each person's reading in the list.
std::string personReadingRule();
// One person's emotion curve in graphcolor on aisyousin.Picture1.
void aisyougraph(Program& p);

// "プラス" for emotion-cycle days 1..13, "マイナス" otherwise.
std::string_view emotionSign(int emoday);
// Lifetime compatibility 0..100 from the two emotion-cycle days: 100 for the
// same day, 0 for half a cycle apart.
int compatibilityPercent(int emoday1, int emoday2);
// The seven closing lines of a run, from the target date texts and emosign(1),
// emosign(2) in the state and the two names as typed.
std::vector<std::string> compatibilitySummary(const DiagnosisState& s, const std::string& name1,
                                              const std::string& name2, int percent);

// The one-page report of the run on aisyousin.
Page aisyousinReport(Program& p);
// The two persons' graph in words, as the report words the month: its title,
// the days the two share an emotion phase on and those either is on a caution
// day.
TextAlternative pairGraphText(const DiagnosisState& s);

}  // namespace bio
