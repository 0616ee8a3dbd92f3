// Where the Windows build keeps its data and its settings: the data always
// where the roaming application data known folder is, the settings (the
// windows' places) where %APPDATA% says, and the known folder again when
// the variable says nothing usable.

#include <windows.h>
// Needs the types windows.h declares.
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <iterator>
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

// What %APPDATA% says (unset for nullopt), and where the settings then go:
// where it says, or the known folder when it says nothing usable. The data
// always goes to the known folder.
TEST(PlacesWindows, SettingsFollowTheVariableDataTheKnownFolder) {
    const std::filesystem::path known = knownRoamingAppData();
    ASSERT_FALSE(known.empty());
    // Longer than MAX_PATH, and in Japanese, as a redirected profile may be.
    const std::wstring elsewhere =
        L"D:\\移動したプロファイル\\" + std::wstring(300, L'設') + L"\\Roaming";
    const struct {
        std::optional<std::wstring> variable;
        std::filesystem::path settings;
    } cases[] = {
        {elsewhere, elsewhere},
        {std::nullopt, known},
        {L"relative\\Roaming", known},
        {L"", known},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        const auto& c = cases[i];
        const AppDataVariable variable(c.variable);
        EXPECT_EQ(settingsDir(), c.settings);
        EXPECT_EQ(perUserDataDir(), known / L"biorhythm");
    }
}

}  // namespace
}  // namespace bio
