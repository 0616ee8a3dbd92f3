#pragma once
// The controls of baio, the biorhythm input screen, that the program reads,
// writes or installs commands on.

#include "shell/era_options.h"
#include "shell/today.h"

namespace bio::baio {

inline constexpr const char* kNameBox = "Text7";
// In era order: 明治, 大正, 昭和, 平成, 令和.
inline constexpr EraOptions kEraOptions{"Option1", "Option2", "Option3", "Option4", "Option5"};
inline constexpr DateBoxes kBirthBoxes{"Text1", "Text2", "Text3"};  // era year, month, day
inline constexpr const char* kNumberBox = "Text12";
inline constexpr const char* kTakeFromRegister = "Command4";  // "セット"
inline constexpr const char* kRun = "Command1";  // " バイオリズム実行", the default
inline constexpr const char* kAgeBox = "Text9";
inline constexpr const char* kWesternYearBox = "Text8";
inline constexpr DateBoxes kTargetDateBoxes{"Text4", "Text5", "Text6"};
inline constexpr const char* kToMenu = "Command2";

}  // namespace bio::baio
