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

// %APPDATA%, when it names a whole path. Windows sets it at each logon to the
// roaming application data folder; reading it needs nothing beyond kernel32,
// where the known folder costs a start shell32 and, under it, COM.
std::filesystem::path appDataVariable() {
    std::wstring value(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetEnvironmentVariableW(L"APPDATA", value.data(), static_cast<DWORD>(value.size()));
        if (length == 0) return {};
        if (length < value.size()) {
            value.resize(length);
            const std::filesystem::path path(value);
            return path.is_absolute() ? path : std::filesystem::path();
        }
        value.resize(length);  // the size it needs, its terminator included
    }
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

// The data are looked for where the known folder says, always: a variable
// a parent process changed, or one from before the folder was redirected,
// must not hide them. The settings (the windows' places) are only
// preferences, read before the first window shows: they come from the
// variable, which names the same folder but for such cases, where a place is
// merely remembered in the other folder.
std::filesystem::path settingsDir() {
    std::filesystem::path folder = appDataVariable();
    return folder.empty() ? roamingAppData() : folder;
}

std::filesystem::path sessionDir() { return {}; }

}  // namespace bio
