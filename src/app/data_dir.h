#pragma once
// Where the program keeps kojinfl.txt and kojinfl2.txt, and where the user's
// settings live. Both executables ask here, so that the desktop program and
// the script driver always agree.

#include <filesystem>
#include <functional>
#include <optional>

namespace bio {

// An empty file of this name beside the executable keeps the data there, as
// on a USB stick; the build puts one into its bin folder.
inline constexpr const char* kPortableMarker = "portable";

// In order: the directory asked for on the command line; the executable's
// directory when it holds a data file or the portable marker (a folder copied
// from an older installation); the per-user data directory, asked for only
// when neither of the others is taken (on Windows that is a known folder,
// which costs a start the shell's DLL).
std::filesystem::path chooseDataDir(const std::optional<std::filesystem::path>& requested,
                                    const std::filesystem::path& executableDir,
                                    const std::function<std::filesystem::path()>& perUserDir);

// The same rule for this process: its executable and the system's per-user
// folder (XDG_DATA_HOME/biorhythm, ~/.local/share/biorhythm when that is
// unset, empty or relative; %APPDATA%\biorhythm on Windows).
std::filesystem::path chooseDataDir(const std::optional<std::filesystem::path>& requested);

// The user's settings folder, which holds the desktop's login items:
// XDG_CONFIG_HOME, ~/.config when it is unset, empty or relative.
std::filesystem::path chooseConfigDir();

}  // namespace bio
