#pragma once
// Today's date into a screen's three target-date boxes, as the date text
// YYYY/MM/DD cut into its year, month and day (so December reads "12", the 7th "07").

#include <string>

namespace bio {

class Program;
class Screen;

std::string dateText(int year, int month, int day);

void fillTodayDate(Program& p, Screen& screen, const std::string& yearKey,
                   const std::string& monthKey, const std::string& dayKey);

}  // namespace bio
