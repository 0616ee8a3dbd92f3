#pragma once
// What the two executables' command lines share.

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace bio {

// A command line the program cannot run with; what() says why. The program
// then prints it with the usage and exits with kExitUsage.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

inline constexpr int kExitUsage = 2;

// The value after option args[i], moving i onto it; throws when there is none.
const std::string& optionValue(const std::vector<std::string>& args, std::size_t& i);

// The options both executables take.
struct CommonOptions {
    std::optional<std::filesystem::path> dataDir;  // the program's own rule when absent
    bool help = false;
    bool version = false;

    // Takes args[i] when it is --help, --version or --data-dir DIR (i then
    // moves onto DIR); false for any other argument.
    bool take(const std::vector<std::string>& args, std::size_t& i);
};

struct HelpPage {
    std::string_view program;  // "biorhythm"
    std::string_view usage;    // "使い方: biorhythm [--data-dir DIR]"
    std::string_view purpose;  // one line on what the program does
    // Each option with its explanation; --help and --version are added.
    std::vector<std::pair<std::string_view, std::string_view>> options;
    // The keys of the program's windows with what they do; none for a program
    // without windows.
    std::vector<std::pair<std::string_view, std::string_view>> keys = {};
};

// What --help prints: the usage, the purpose, the options and the keys in
// aligned columns, and the data directory in use.
std::string helpText(const HelpPage& page, const std::filesystem::path& dataDir);

}  // namespace bio
