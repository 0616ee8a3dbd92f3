#include <windows.h>
// Needs the types windows.h declares.
#include <shlobj.h>

#include <string>

#include "platform/places.h"

namespace bio {

namespace {

// The user's roaming application data folder; empty when the system does not say.
std::filesystem::path roamingAppData() {
    PWSTR folder = nullptr;
    const bool found =
        SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &folder));
    std::filesystem::path path = found ? std::filesystem::path(folder) : std::filesystem::path();
    CoTaskMemFree(folder);  // also when it failed
    return path;
}

}  // namespace

std::filesystem::path executableDir() {
    // The name may be longer than MAX_PATH: the buffer grows until it fits.
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0) return {};
        if (length < name.size()) {
            name.resize(length);
            return std::filesystem::path(name).parent_path();
        }
        name.resize(name.size() * 2);
    }
}

const char* desktopProgramName() { return "biorhythm.exe"; }

std::filesystem::path perUserDataDir() {
    const std::filesystem::path appData = roamingAppData();
    return appData.empty() ? appData : appData / L"biorhythm";
}

std::filesystem::path settingsDir() { return roamingAppData(); }

std::filesystem::path sessionDir() { return {}; }

}  // namespace bio
