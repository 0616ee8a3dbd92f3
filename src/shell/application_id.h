#pragma once

namespace bio {

// The id that names the desktop file, the icon, the AppStream metadata and
// the login item of the program.
inline constexpr const char* kApplicationId = "jp.biorhythm.Biorhythm";

}  // namespace bio
