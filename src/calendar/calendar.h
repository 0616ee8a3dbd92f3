#pragma once
// Day numbers, cycle days, weekdays and the era conversion.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace bio {

class Program;
class Screen;

// Day number of a date: day 0 is 4 March 1900; every year divisible by 4 leaps.
double dayNumber(double year, double month, double day);

// Position 1..length in a cycle of that length, for days lived (also negative).
double cycleDay(double days, int length);

// A person's day in each cycle.
struct CycleDays {
    double emotion = 0;
    double intellect = 0;
    double body = 0;
};

// The cycle days of a reading after `days` days lived: the emotion day whole
// (1..28, rounded half to even), the others as the day count gives them.
CycleDays cycleDaysAfter(double days);

// Reads byear, m1, d1, y2, m2, d2, person; writes y1, daynum1, daynum2, days,
// bodyday, emoday(person), intday.
void calcdays(Program& p);

// Weekday index 0..6 (0 = Sunday) of a day number; nullopt for a day number
// that is not a whole finite number.
std::optional<int> weekdayOf(double dayNumber);
// "日曜日" .. "土曜日" for 0..6; "" for anything else.
std::string_view weekdayName(int remainder);
// Birth weekday into sindan.Text1.
void weekday1(Program& p);
// Month into sindan.Text3, weekday index of daynum2 into wday2, its name into sindan.Text2.
void weekday2(Program& p);

inline constexpr std::array<std::string_view, 5> kEraNames{"明治", "大正", "昭和", "平成", "令和"};

// One option button per era, in the order of kEraNames.
using EraOptions = std::array<const char*, kEraNames.size()>;

// Western year of an era date; 0 for any text but the era names.
double westernYear(std::string_view eraname, double erayear);

// Caption of the first selected of the era option buttons, or "".
std::string selectedEra(Screen& screen, const EraOptions& optionKeys);

// The era name a stored era field begins with (its first two characters, so
// the register's padding does not count), or "" when it names none.
std::string_view eraOfField(std::string_view eraField);

// Selects the option whose caption equals the first two characters of `eraField`;
// touches nothing when none does. Returns whether one was selected.
bool selectEraFromField(Screen& screen, const EraOptions& optionKeys, std::string_view eraField);

}  // namespace bio
