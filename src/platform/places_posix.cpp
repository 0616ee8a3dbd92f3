#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <string_view>

#include "platform/places.h"

namespace bio {

namespace {

std::string_view environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// HOME, or the account's home when HOME is not set (as under some service managers).
std::filesystem::path homeDir() {
    std::string_view home = environment("HOME");
    if (!home.empty()) return home;
    const passwd* account = ::getpwuid(::getuid());
    return account && account->pw_dir ? account->pw_dir : "";
}

// An XDG base directory: the variable's folder, or `fallback` when it is
// relative (invalid, and ignored as every desktop program does) or empty.
std::filesystem::path baseDir(const char* variable, const std::filesystem::path& fallback) {
    const std::filesystem::path named(environment(variable));
    return named.is_absolute() ? named : fallback;
}

}  // namespace

const char* desktopProgramName() { return "biorhythm"; }

std::filesystem::path perUserDataDir() {
    return baseDir("XDG_DATA_HOME", homeDir() / ".local" / "share") / "biorhythm";
}

std::filesystem::path settingsDir() { return baseDir("XDG_CONFIG_HOME", homeDir() / ".config"); }

std::filesystem::path sessionDir() {
    return baseDir("XDG_RUNTIME_DIR", std::filesystem::temp_directory_path());
}

}  // namespace bio
