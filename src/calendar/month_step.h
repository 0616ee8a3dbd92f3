#pragma once
// Dates in the real (Gregorian) calendar: typed numbers checked as dates, and
// dates stepped by months for the result screens' 前月 and 翌月. They are
// written back into boxes of four, two and two digits, so they stay within
// the years 1..9999; a user stepping from 31 March 2100 expects 28 February.

#include <optional>

#include "state/date.h"

namespace bio {

// Days in a month of the real calendar, 28..31 (month 1..12).
int gregorianMonthLength(int year, int month);

// The date of typed numbers when they are whole and within year 1..9999, month
// 1..12 and day 1..31; nullopt otherwise. A day past the end of a short month
// (31 April) is kept: the step lowers it.
std::optional<Date> steppableDate(const DateNumbers& typed);

// The date of typed numbers when they are whole and name a day that exists in
// the years 1..9999; nullopt otherwise.
std::optional<Date> realDate(const DateNumbers& typed);

// The same day `months` months later (earlier when negative), lowered to the
// last day of the new month when that month is shorter; nullopt when the new
// month lies outside the years 1..9999.
std::optional<Date> stepMonth(const Date& date, int months);

}  // namespace bio
