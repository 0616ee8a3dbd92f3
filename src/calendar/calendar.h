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

inline constexpr int kEmotionCycle = 28;
inline constexpr int kIntellectCycle = 33;
inline constexpr int kBodyCycle = 23;

// Position 1..length in a cycle of that length, for days lived (also negative).
double cycleDay(double days, int length);

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

inline constexpr std::array<std::string_view, 4> kEraNames{"明治", "大正", "昭和", "平成"};

// Western year of an era date; 0 for any text but the four era names.
double westernYear(std::string_view eraname, double erayear);

// Caption of the first selected of four option buttons (given in era order), or "".
std::string selectedEra(Screen& screen, const std::array<const char*, 4>& optionKeys);

// Selects the option whose caption equals the first two characters of `eraField`;
// touches nothing when none does. Returns whether one was selected.
bool selectEraFromField(Screen& screen, const std::array<const char*, 4>& optionKeys,
                        std::string_view eraField);

}  // namespace bio
