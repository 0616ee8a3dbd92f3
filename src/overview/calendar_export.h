#pragma once
// "カレンダー書き出し" on sindan and itiran: the caution days of the person
// read, or of everyone the overview lists, for a number of whole months,
// written as an iCalendar file for the user's calendar program.

#include <optional>
#include <string>
#include <string_view>

namespace bio {

class Program;

// sindan.karenda and itiran.Command3; `version` goes into the file's PRODID.
void installCalendarExport(Program& p, std::string version);

// The number of months a text asks for: whole, 1..24, in half-width or
// full-width digits, blanks aside; nullopt for anything else.
std::optional<int> exportMonths(std::string_view text);

}  // namespace bio
