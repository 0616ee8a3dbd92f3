#pragma once
// `biorhythm --notify`, the login item: the login notice sent to the desktop's
// notification service over the session bus. No window is made on this path.

#include <filesystem>

#include "view/desktop_options.h"

namespace bio {

// Sends the notice for today, if anyone in the register at `dataDir` is on a
// caution day, and waits at most ten minutes for the user to invoke its
// action, which starts this program on the overview of the same register.
// Without a session bus or a notification service, or with a register that
// cannot be read, it says so in one line on standard error. Returns the exit
// status, 0 in every case: a login item never shows an error window.
int sendLoginNotice(int argc, char* argv[], const DesktopOptions& options,
                    const std::filesystem::path& dataDir);

}  // namespace bio
