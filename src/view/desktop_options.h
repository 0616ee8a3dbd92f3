#pragma once
// The desktop program's own command line, the same for every desktop front
// end: [--data-dir DIR] with --overview or --notify or neither, or --help or
// --version. Arguments with a single dash (Qt's -platform, -style, ...) and
// any plain argument are left for the toolkit; any other option with two
// dashes is ours and unknown.

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "app/command_line.h"

namespace bio {

inline constexpr const char* kDesktopUsage =
    "使い方: biorhythm [--data-dir DIR] [--overview | --notify]";

struct DesktopOptions : CommonOptions {
    std::vector<std::size_t> toolkitArgs;  // indices of the arguments the toolkit gets
    bool overview = false;                 // start on itiran instead of baio
    bool notify = false;                   // the login item: the notice, no window
};

// The arguments after the program name; throws UsageError.
DesktopOptions parseDesktopOptions(const std::vector<std::string>& args);

// What --help prints: the usage, each option, the keys of the windows
// (view/key_table.h) and the data directory in use.
std::string desktopHelpText(const std::filesystem::path& dataDir);

}  // namespace bio
