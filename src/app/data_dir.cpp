#include "app/data_dir.h"

#include <pwd.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <system_error>

#include "biorhythm/last_entry_file.h"
#include "register/register_file.h"

namespace bio {

namespace {

bool holdsDataFiles(const std::filesystem::path& dir) {
    const std::array<const char*, 3> names{kLastEntryFileName, kRegisterFileName, kPortableMarker};
    std::error_code ignored;
    for (const char* name : names)
        if (std::filesystem::exists(dir / name, ignored)) return true;
    return false;
}

std::string_view environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// HOME, or the account's home when HOME is not set (as under some service managers).
std::string_view homeDir() {
    std::string_view home = environment("HOME");
    if (!home.empty()) return home;
    const passwd* account = ::getpwuid(::getuid());
    return account && account->pw_dir ? account->pw_dir : "";
}

// An XDG base directory: the variable's folder, or `fallback` when it is
// relative (invalid, and ignored as every desktop program does) or empty.
std::filesystem::path baseDir(std::string_view variable, const std::filesystem::path& fallback) {
    const std::filesystem::path named(variable);
    return named.is_absolute() ? named : fallback;
}

}  // namespace

std::filesystem::path chooseDataDir(const std::optional<std::filesystem::path>& requested,
                                    const std::filesystem::path& executableDir,
                                    std::string_view xdgDataHome, std::string_view home) {
    if (requested) return std::filesystem::absolute(*requested);
    if (!executableDir.empty() && holdsDataFiles(executableDir)) return executableDir;
    return baseDir(xdgDataHome, std::filesystem::path(home) / ".local" / "share") / kDataDirName;
}

std::filesystem::path chooseDataDir(const std::optional<std::filesystem::path>& requested) {
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return chooseDataDir(requested, error ? std::filesystem::path() : executable.parent_path(),
                         environment("XDG_DATA_HOME"), homeDir());
}

std::filesystem::path chooseConfigDir() {
    return baseDir(environment("XDG_CONFIG_HOME"), std::filesystem::path(homeDir()) / ".config");
}

}  // namespace bio
