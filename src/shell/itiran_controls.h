#pragma once
// The controls of itiran, the overview of the register for one day.

#include "shell/today.h"

namespace bio::itiran {

inline constexpr DateBoxes kDayBoxes{"Text1", "Text2", "Text3"};
inline constexpr const char* kShow = "Command1";  // "表示", the default
inline constexpr const char* kCalendarExport = "Command3";
inline constexpr const char* kList = "List1";
inline constexpr const char* kToMenu = "Command2";

}  // namespace bio::itiran
