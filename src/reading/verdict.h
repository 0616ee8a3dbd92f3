#pragma once
// The three-way reading of a cycle day: caution day, good or low, with one
// fixed message per rhythm and class. The result screen, its printed page and
// the compatibility report all read the same table.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/calendar.h"

namespace bio {

enum class Rhythm { Emotion, Intellect, Body };
enum class Verdict { Caution, Good, Low };

inline constexpr std::array<Rhythm, 3> kRhythms{Rhythm::Emotion, Rhythm::Intellect, Rhythm::Body};

// "感情", "知性", "身体".
std::string_view rhythmName(Rhythm rhythm);

// Tested in the order caution, good, low; nullopt when no class holds, which
// only a fractional intellect or body day can cause.
std::optional<Verdict> classify(Rhythm rhythm, double cycleDay);

std::string_view verdictText(Rhythm rhythm, Verdict verdict);
// "要注意日", "好調", "低調"; "－" for a day in no class.
std::string_view verdictName(std::optional<Verdict> verdict);
std::optional<std::string_view> verdictMessage(Rhythm rhythm, double cycleDay);

// "心の調子は，", "頭脳の調子は，", "身体の調子は，".
std::string_view rhythmHeading(Rhythm rhythm);

// The heading followed by the message, if any: the two or one lines every
// reading shows for a rhythm.
std::vector<std::string> rhythmLines(Rhythm rhythm, double cycleDay);

// The cycle day of one rhythm.
double dayOf(const CycleDays& days, Rhythm rhythm);

// The lines of all three rhythms in the order emotion, intellect, body: six
// lines, fewer when a fractional day falls in no class.
std::vector<std::string> verdictLines(const CycleDays& days);

}  // namespace bio
