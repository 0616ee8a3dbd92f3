#pragma once
// The controls of aisyousin, the compatibility result screen.

namespace bio::aisyousin {

inline constexpr const char* kList = "List1";
inline constexpr const char* kPicture = "Picture1";

// Menu commands.
inline constexpr const char* kBack = "back";
inline constexpr const char* kToMenu = "mnback";
inline constexpr const char* kEnd = "syuuryou";
inline constexpr const char* kReport = "repoto";
inline constexpr const char* kPreviousMonth = "zengetu";
inline constexpr const char* kNextMonth = "yokugetu";

}  // namespace bio::aisyousin
