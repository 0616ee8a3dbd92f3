#pragma once
// The buttons of menyu, the main menu.

namespace bio::menyu {

inline constexpr const char* kCompatibility = "Command4";
inline constexpr const char* kBiorhythm = "Command1";
inline constexpr const char* kSearch = "Command3";
inline constexpr const char* kBrowse = "Command5";
inline constexpr const char* kUpdate = "Command2";
inline constexpr const char* kOverview = "Command7";
inline constexpr const char* kEnd = "Command6";

}  // namespace bio::menyu
