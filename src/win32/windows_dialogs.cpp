#include "win32/windows_dialogs.h"

#include <commdlg.h>
#include <shlobj.h>

#include <regex>
#include <vector>

#include "platform/utf16.h"
#include "win32/gdi_printer.h"
#include "win32/input_box.h"

namespace bio {

Answer WindowsDialogs::messageBox(const std::string& text, const std::string& title) {
    HWND owner = prepare();
    return MessageBoxW(owner, wide(text).c_str(), wide(title).c_str(), MB_OKCANCEL) == IDOK
               ? Answer::Ok
               : Answer::Cancel;
}

std::optional<std::string> WindowsDialogs::inputBox(const std::string& prompt,
                                                    const std::string& title,
                                                    const std::string& defaultText) {
    HWND owner = prepare();
    return runInputBox(owner, prompt, title, defaultText);
}

bool WindowsDialogs::printerDialog() {
    HWND owner = prepare();
    return printer_.choose(owner);
}

namespace {

std::filesystem::path documentsFolder() {
    PWSTR folder = nullptr;
    std::filesystem::path path;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Documents, 0, nullptr, &folder))) path = folder;
    CoTaskMemFree(folder);
    return path;
}

// "iCalendar (*.ics)" as the dialog wants it: the name, then the pattern.
std::wstring filterPairs(const std::string& filter) {
    std::smatch pattern;
    const std::string patterns =
        std::regex_search(filter, pattern, std::regex(R"(\(([^)]*)\))")) ? pattern[1].str() : "*.*";
    std::wstring pairs = wide(filter) + L'\0' + wide(patterns) + L'\0';
    return pairs + L'\0';
}

std::wstring defaultExtension(const std::string& filter) {
    std::smatch suffix;
    return std::regex_search(filter, suffix, std::regex(R"(\*\.(\w+))")) ? wide(suffix[1].str())
                                                                         : std::wstring();
}

}  // namespace

std::optional<std::filesystem::path> WindowsDialogs::fileDialog(const FileRequest& request) {
    HWND owner = prepare();
    apartment_.join();
    const bool save = request.mode == FileDialogMode::Save;
    std::vector<wchar_t> name(32768, L'\0');
    if (save) wide(request.defaultName).copy(name.data(), name.size() - 1);
    const std::wstring filter = filterPairs(request.filter);
    const std::wstring extension = defaultExtension(request.filter);
    const std::wstring title = wide(request.title);
    const std::wstring folder = documentsFolder().wstring();
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrTitle = title.c_str();
    dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST |
                   (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    const BOOL chosen = save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
    if (!chosen) return std::nullopt;
    return std::filesystem::path(name.data());
}

}  // namespace bio
