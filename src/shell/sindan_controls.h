#pragma once
// The controls of sindan, the biorhythm result screen.

#include <array>
#include <utility>

namespace bio::sindan {

inline constexpr const char* kDaysBox = "Text9";
inline constexpr const char* kEmotionBox = "Text10";
inline constexpr const char* kIntellectBox = "Text11";
inline constexpr const char* kBodyBox = "Text12";
// The frame "バイオリズム計算": each label with the box it names.
inline constexpr std::array<std::pair<const char*, const char*>, 4> kDayCountLabels{{
    {"Label10", kDaysBox},
    {"Label4", kEmotionBox},
    {"Label8", kIntellectBox},
    {"Label9", kBodyBox},
}};
inline constexpr const char* kBirthWeekdayBox = "Text1";
inline constexpr const char* kMonthBox = "Text3";
inline constexpr const char* kFirstWeekdayBox = "Text2";
inline constexpr const char* kList = "List1";
inline constexpr const char* kPicture = "Picture1";

// Menu commands.
inline constexpr const char* kPrintMessage = "messeji";
inline constexpr const char* kPrintGraph = "gurafu";
inline constexpr const char* kPrintBoth = "ryouinsatu";
inline constexpr const char* kReport = "repoto";
inline constexpr const char* kToMenu = "menyuhe";
inline constexpr const char* kBack = "back";
inline constexpr const char* kPreviousMonth = "zengetu";
inline constexpr const char* kNextMonth = "yokugetu";
inline constexpr const char* kCalendarExport = "karenda";

}  // namespace bio::sindan
