#pragma once
// The driver's command line: [--dir DIR] [--today YYYY-MM-DD] [SCRIPT].

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/services.h"

namespace bio::script {

// A command line the driver cannot run with; what() says why.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

inline constexpr const char* kUsage =
    "使い方: biorhythm-script [--dir DIR] [--today YYYY-MM-DD] [SCRIPT]";

struct Options {
    std::optional<std::filesystem::path> dataDir;  // beside the executable when absent
    std::optional<Date> today;                     // the real local date when absent
    std::optional<std::filesystem::path> script;   // standard input when absent
};

// The arguments after the program name; throws UsageError.
Options parseOptions(const std::vector<std::string>& args);

}  // namespace bio::script
