// Where the Windows build keeps its data and its settings: the data always
// where the roaming application data known folder is, the settings (the
// windows' places) where %APPDATA% says, and the known folder again when
// the variable says nothing usable.

#include <windows.h>
// Needs the types windows.h declares.
#include <shlobj.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/places.h"

namespace bio {
namespace {

std::filesystem::path knownRoamingAppData() {
    PWSTR folder = nullptr;
    std::filesystem::path path;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &folder)))
        path = folder;
    CoTaskMemFree(folder);
    return path;
}

// Sets %APPDATA% (or removes it, for nullopt) for one test, and puts it back.
class AppDataVariable {
  public:
    explicit AppDataVariable(const std::optional<std::wstring>& value) {
        std::wstring saved(32767, L'\0');
        const DWORD length = GetEnvironmentVariableW(L"APPDATA", saved.data(), 32767);
        if (length > 0) saved_ = saved.substr(0, length);
        SetEnvironmentVariableW(L"APPDATA", value ? value->c_str() : nullptr);
    }
    ~AppDataVariable() { SetEnvironmentVariableW(L"APPDATA", saved_ ? saved_->c_str() : nullptr); }
    AppDataVariable(const AppDataVariable&) = delete;
    AppDataVariable& operator=(const AppDataVariable&) = delete;

  private:
    std::optional<std::wstring> saved_;
};

TEST(PlacesWindows, SettingsComeFromTheVariableDataFromTheKnownFolder) {
    const std::filesystem::path known = knownRoamingAppData();
    ASSERT_FALSE(known.empty());
    // Longer than MAX_PATH, and in Japanese, as a redirected profile may be.
    const std::wstring elsewhere =
        L"D:\\移動したプロファイル\\" + std::wstring(300, L'設') + L"\\Roaming";
    const AppDataVariable variable(elsewhere);
    EXPECT_EQ(settingsDir(), std::filesystem::path(elsewhere));
    EXPECT_EQ(perUserDataDir(), known / L"biorhythm");
}

TEST(PlacesWindows, SettingsFallBackToTheKnownFolder) {
    const std::filesystem::path known = knownRoamingAppData();
    ASSERT_FALSE(known.empty());
    for (const std::optional<std::wstring>& value :
         {std::optional<std::wstring>(), std::optional<std::wstring>(L"relative\\Roaming"),
          std::optional<std::wstring>(L"")}) {
        const AppDataVariable variable(value);
        EXPECT_EQ(settingsDir(), known) << (value ? "relative or empty" : "unset");
    }
}

}  // namespace
}  // namespace bio
