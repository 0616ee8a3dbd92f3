#pragma once
// A screen's three date boxes: a date written into them as the date text
// YYYY/MM/DD cut into its year, month and day (so December reads "12", the
// 7th "07"), and what they hold read back as numbers.

#include <array>
#include <optional>
#include <string>

#include "state/date.h"

namespace bio {

class Program;
class Screen;

// The year, month and day boxes of a date.
using DateBoxes = std::array<const char*, 3>;

std::string dateText(int year, int month, int day);

void fillDateBoxes(Screen& screen, const DateBoxes& boxes, const Date& date);
void fillTodayDate(Program& p, Screen& screen, const DateBoxes& boxes);

// The numeric values of what the boxes hold, as a reading reads them.
DateNumbers typedDate(const Screen& screen, const DateBoxes& boxes);
// The boxes' date when it can step by months / when it is a real day (see
// steppableDate and realDate).
std::optional<Date> steppableDate(const Screen& screen, const DateBoxes& boxes);
std::optional<Date> realDate(const Screen& screen, const DateBoxes& boxes);

}  // namespace bio
