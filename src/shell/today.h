#pragma once
// A date into a screen's three target-date boxes, as the date text YYYY/MM/DD
// cut into its year, month and day (so December reads "12", the 7th "07").

#include <array>
#include <string>

#include "ui/services.h"

namespace bio {

class Program;
class Screen;

// The year, month and day boxes of a target date.
using DateBoxes = std::array<const char*, 3>;

std::string dateText(int year, int month, int day);

void fillDateBoxes(Screen& screen, const DateBoxes& boxes, const Date& date);
void fillTodayDate(Program& p, Screen& screen, const DateBoxes& boxes);

}  // namespace bio
