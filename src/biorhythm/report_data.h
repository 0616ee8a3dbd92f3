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

namespace bio {

// The day numbers (1-based) of the positions 0..count-1 where `holds` is true.
std::vector<int> daysWhere(std::size_t count, const std::function<bool(std::size_t)>& holds);

// `label`, then the days joined by "，" and "日", or "なし" when there are none.
std::string dayListLine(std::string_view label, const std::vector<int>& days);

// "感情の要注意日：…", then the same for 知性 and 身体.
std::vector<std::string> cautionDayLines(const MonthReading& month);

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
