#pragma once
// Where this program and its user's files are on this system.

#include <filesystem>

namespace bio {

// The folder of the running executable; empty when the system does not say.
std::filesystem::path executableDir();
// The desktop program's file name: biorhythm, biorhythm.exe on Windows.
const char* desktopProgramName();
// The per-user folder for the program's data: XDG_DATA_HOME/biorhythm
// (~/.local/share/biorhythm) on POSIX, %APPDATA%\biorhythm on Windows.
std::filesystem::path perUserDataDir();
// The user's settings folder: XDG_CONFIG_HOME (~/.config) on POSIX, which also
// holds the desktop's login items; %APPDATA% on Windows.
std::filesystem::path settingsDir();
// Where the single-instance name of a running program lives for this user's
// session: XDG_RUNTIME_DIR on POSIX (the temporary folder without it); on
// Windows names live in the session's own namespace, and this is empty.
std::filesystem::path sessionDir();

}  // namespace bio
