#pragma once
// Dates typed into the boxes of a Western date, in the real (Gregorian)
// calendar: checked, and stepped by months for the result screens' 前月 and
// 翌月. They are written back into boxes of four, two and two digits, so they
// stay within the years 1..9999; a user stepping from 31 March 2100 expects
// 28 February.

#include <optional>

#include "shell/today.h"
#include "ui/services.h"

namespace bio {

class Screen;

// The date of typed numbers when they are whole and within year 1..9999, month
// 1..12 and day 1..31; nullopt otherwise. A day past the end of a short month
// (31 April) is kept: the step lowers it.
std::optional<Date> steppableDate(double year, double month, double day);
// The same for the numbers typed into a screen's date boxes, read as a reading reads them.
std::optional<Date> steppableDate(Screen& screen, const DateBoxes& boxes);

// The date of typed numbers when they are whole and name a day that exists in
// the years 1..9999; nullopt otherwise.
std::optional<Date> realDate(double year, double month, double day);
std::optional<Date> realDate(Screen& screen, const DateBoxes& boxes);

// The same day `months` months later (earlier when negative), lowered to the
// last day of the new month when that month is shorter; nullopt when the new
// month lies outside the years 1..9999.
std::optional<Date> stepMonth(const Date& date, int months);

}  // namespace bio
