#pragma once
// The driver's command line: [--dir DIR] [--today YYYY-MM-DD] [SCRIPT], the
// same with --notify instead of a script, or --help or --version; --data-dir
// is another name for --dir.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "ui/services.h"

namespace bio::script {

using bio::UsageError;

inline constexpr const char* kUsage =
    "使い方: biorhythm-script [--dir DIR] [--today YYYY-MM-DD] [SCRIPT]";

struct Options : CommonOptions {
    std::optional<Date> today;                    // the real local date when absent
    std::optional<std::filesystem::path> script;  // standard input when absent
    bool notify = false;  // print the login notice instead of running a script
};

// The arguments after the program name; throws UsageError.
Options parseOptions(const std::vector<std::string>& args);

// What --help prints: the usage, each option, and the data directory in use.
std::string helpText(const std::filesystem::path& dataDir);

}  // namespace bio::script
