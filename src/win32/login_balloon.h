#pragma once
// `biorhythm --notify`, the login item: the login notice as a balloon of the
// notification area (Windows 10 and 11 show it as a notification). No
// screen is made on this path.

#include <filesystem>

namespace bio {

// Shows the notice for today, if anyone in the register at `dataDir` is on a
// caution day, and waits at most ten minutes for a click on it, which starts
// this program on the overview of the same register. Returns the exit
// status, 0 in every case: a login item never shows an error window.
int showLoginBalloon(const std::filesystem::path& dataDir);

}  // namespace bio
