#pragma once
// The desktop program's own command line: [--data-dir DIR] with --overview
// or --notify or neither, or --help or --version. Qt's options (single dash:
// -platform, -style, ...) and their values are left for QApplication; any
// other option with two dashes is ours and unknown.

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "app/command_line.h"

namespace bio {

inline constexpr const char* kDesktopUsage =
    "使い方: biorhythm [--data-dir DIR] [--overview | --notify]";

struct DesktopOptions : CommonOptions {
    std::vector<std::size_t> toolkitArgs;  // indices of the arguments Qt gets
    bool overview = false;                 // start on itiran instead of baio
    bool notify = false;                   // the login item: the notice, no window
};

// The arguments after the program name; throws UsageError.
DesktopOptions parseDesktopOptions(const std::vector<std::string>& args);

// What --help prints: the usage, each option, and the data directory in use.
std::string desktopHelpText(const std::filesystem::path& dataDir);

}  // namespace bio
