#pragma once
// baio's era option group, read by the run and written by the load action and
// the register command, and its target date boxes.

#include "calendar/calendar.h"

namespace bio {

// In era order: 明治, 大正, 昭和, 平成, 令和.
inline constexpr EraOptions kBaioEraOptions{"Option1", "Option2", "Option3", "Option4", "Option5"};
inline constexpr std::array<const char*, 3> kBaioTargetDateBoxes{"Text4", "Text5", "Text6"};

}  // namespace bio
