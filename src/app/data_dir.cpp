#include "app/data_dir.h"

#include <array>
#include <system_error>

#include "biorhythm/last_entry_file.h"
#include "platform/places.h"
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

}  // namespace

std::filesystem::path chooseDataDir(const std::optional<std::filesystem::path>& requested,
                                    const std::filesystem::path& executableDir,
                                    const std::function<std::filesystem::path()>& perUserDir) {
    if (requested) return std::filesystem::absolute(*requested);
    if (!executableDir.empty() && holdsDataFiles(executableDir)) return executableDir;
    return perUserDir();
}

std::filesystem::path chooseDataDir(const std::optional<std::filesystem::path>& requested) {
    return chooseDataDir(requested, executableDir(), perUserDataDir);
}

std::filesystem::path chooseConfigDir() { return settingsDir(); }

}  // namespace bio
