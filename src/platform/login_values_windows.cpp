#include <windows.h>

#include "platform/login_values.h"
#include "platform/utf16.h"

namespace bio {

namespace {

constexpr const wchar_t* kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// As the user reads it when a change fails.
constexpr const char* kRunKeyText = "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";

}  // namespace

bool loginItemsAreValues() { return true; }

FileStatus writeLoginValue(const std::string& name, const std::string& command) {
    HKEY key = nullptr;
    LSTATUS status = RegCreateKeyExW(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_SET_VALUE,
                                     nullptr, &key, nullptr);
    if (status == ERROR_SUCCESS) {
        const std::wstring text = wide(command);
        status = RegSetValueExW(key, wide(name).c_str(), 0, REG_SZ,
                                reinterpret_cast<const BYTE*>(text.c_str()),
                                static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(key);
    }
    if (status != ERROR_SUCCESS) return FileFailure{kRunKeyText, FileStep::Write, status};
    return Done{};
}

FileStatus removeLoginValue(const std::string& name) {
    const LSTATUS status = RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, wide(name).c_str());
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND)
        return FileFailure{kRunKeyText, FileStep::Remove, status};
    return Done{};
}

bool loginValueExists(const std::string& name) {
    return RegGetValueW(HKEY_CURRENT_USER, kRunKey, wide(name).c_str(), RRF_RT_REG_SZ, nullptr,
                        nullptr, nullptr) == ERROR_SUCCESS;
}

}  // namespace bio
