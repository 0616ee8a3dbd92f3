#pragma once
// What the one-page reports say beyond the result screens: the lines that
// list days of the target month, and the texts of a birth and of the target
// date.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "reading/reading.h"
#include "state/diagnosis_state.h"
#include "ui/canvas.h"

namespace bio {

// The day numbers (1-based) of the positions 0..count-1 where `holds` is true.
std::vector<int> daysWhere(std::size_t count, const std::function<bool(std::size_t)>& holds);

// `label`, then the days joined by "，" and "日", or "なし" when there are none.
std::string dayListLine(std::string_view label, const std::vector<int>& days);

// "感情の要注意日：…", then the same for 知性 and 身体.
std::vector<std::string> cautionDayLines(const MonthReading& month);

// "2026年12月の毎日の調子": the heading over the month's days.
std::string monthDaysHeading(double year, double month);
// "1日（火曜日）　感情：好調　知性：低調　身体：好調" for each day of the
// month, whose 1st is weekday `firstWeekday` (0 = Sunday).
std::vector<std::string> dayVerdictLines(const MonthReading& month, int firstWeekday);

// The month graph of the reading in the state, in words as the report words
// it: its title, each rhythm's caution days, then the month day by day.
TextAlternative readingGraphText(const DiagnosisState& s);

// The birth the last day count read.
BirthRecord currentBirth(const DiagnosisState& s);
// "昭和38年5月10日生まれ（西暦1963年・金曜日）": the date as typed, its Western
// year and its weekday (left out when the day is not whole).
std::string birthText(const BirthRecord& birth);
// "2026年12月".
std::string monthText(double year, double month);
// "2026年12月7日", written as the reading's list writes the date.
std::string targetDateText(const DiagnosisState& s);

}  // namespace bio
