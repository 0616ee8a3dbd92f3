// Usage: tray_probe.exe COMMAND [ARGS...]
// Plays the parts of the Windows shell that Wine's does not, around the
// login notice of biorhythm.exe, and reads back what a user would see:
//   login               starts each login item of the user's Run key, as
//                       Explorer does at login, by its command line alone
//   icon                prints the screen rectangle of the notice's icon in
//                       the notification area, "left top right bottom", or
//                       fails when it has none
//   running             succeeds while the notice waits for a click
//   timeout             tells the notice its banner has timed out
//                       (NIN_BALLOONTIMEOUT), as Windows 10 does when the
//                       banner slides into the Action Center
//   lose                takes the icon out of the notification area, as a
//                       crash of Explorer does
//   taskbar-created     broadcasts TaskbarCreated, as Explorer does on start
//   balloon             succeeds while a balloon shows over the notification area
//   checked TITLE TEXT  prints "checked" or "clear": the check box TEXT of the
//                       window TITLE
//   frame TITLE         prints where the window TITLE stands, "left top"
//   minimize TITLE      minimises the window TITLE, as its title bar's button does
//   close TITLE         closes the window TITLE as the taskbar's Close does,
//                       also while it is minimised
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "win32/login_balloon.h"

namespace {

HWND balloonWindow() { return FindWindowW(bio::kLoginBalloonClass, nullptr); }

NOTIFYICONDATAW noticeIcon() {
    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = balloonWindow();
    icon.uID = bio::kLoginIconId;
    return icon;
}

int startLoginItems() {
    HKEY run = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run", 0,
                      KEY_READ, &run) != ERROR_SUCCESS)
        return 1;
    int started = 0;
    wchar_t name[256];
    wchar_t command[4096];
    for (DWORD i = 0;; ++i) {
        DWORD nameSize = 256, commandSize = sizeof command;
        DWORD type = 0;
        if (RegEnumValueW(run, i, name, &nameSize, nullptr, &type, reinterpret_cast<BYTE*>(command),
                          &commandSize) != ERROR_SUCCESS)
            break;
        if (type != REG_SZ) continue;
        std::printf("starting %ls\n", command);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        if (!CreateProcessW(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &process)) {
            std::fprintf(stderr, "CreateProcessW failed (%lu)\n", GetLastError());
            continue;
        }
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        ++started;
    }
    RegCloseKey(run);
    return started > 0 ? 0 : 1;
}

// Wine's notification area keeps each icon in a window of its own, inside a
// tray window (Wine 8's X11 driver names them __winex11_tray_icon, its
// explorer __wine_tray_icon); the test's prefix has the notice's alone.
BOOL CALLBACK printIfIcon(HWND window, LPARAM found) {
    wchar_t name[64]{};
    GetClassNameW(window, name, 64);
    if ((std::wcscmp(name, L"__winex11_tray_icon") == 0 ||
         std::wcscmp(name, L"__wine_tray_icon") == 0) &&
        IsWindowVisible(window)) {
        RECT frame{};
        GetWindowRect(window, &frame);
        std::printf("%ld %ld %ld %ld\n", frame.left, frame.top, frame.right, frame.bottom);
        ++*reinterpret_cast<int*>(found);
    }
    return TRUE;
}

BOOL CALLBACK printIconsOf(HWND window, LPARAM found) {
    printIfIcon(window, found);
    EnumChildWindows(window, printIfIcon, found);
    return TRUE;
}

int printIcon() {
    if (!balloonWindow()) return 1;
    int found = 0;
    EnumWindows(printIconsOf, reinterpret_cast<LPARAM>(&found));
    return found == 1 ? 0 : 1;
}

BOOL CALLBACK findBalloon(HWND window, LPARAM found) {
    wchar_t name[64]{};
    GetClassNameW(window, name, 64);
    if (std::wcscmp(name, TOOLTIPS_CLASSW) == 0 && IsWindowVisible(window) &&
        (GetWindowLongW(window, GWL_STYLE) & TTS_BALLOON))
        *reinterpret_cast<bool*>(found) = true;
    return TRUE;
}

HWND childWithText(HWND parent, const std::wstring& text) {
    for (HWND child = FindWindowExW(parent, nullptr, nullptr, nullptr); child;
         child = FindWindowExW(parent, child, nullptr, nullptr)) {
        wchar_t shown[256]{};
        GetWindowTextW(child, shown, 256);
        if (text == shown) return child;
        if (HWND inner = childWithText(child, text)) return inner;
    }
    return nullptr;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring command = argc > 1 ? argv[1] : L"";
    if (command == L"login") return startLoginItems();
    if (command == L"icon") return printIcon();
    if (command == L"running") return balloonWindow() ? 0 : 1;
    if (command == L"timeout") {
        const HWND window = balloonWindow();
        if (!window) return 1;
        SendMessageW(window, bio::kLoginIconMessage, 0,
                     MAKELPARAM(NIN_BALLOONTIMEOUT, bio::kLoginIconId));
        return 0;
    }
    if (command == L"lose") {
        NOTIFYICONDATAW icon = noticeIcon();
        return icon.hWnd && Shell_NotifyIconW(NIM_DELETE, &icon) ? 0 : 1;
    }
    if (command == L"taskbar-created") {
        return PostMessageW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0) ? 0
                                                                                             : 1;
    }
    if (command == L"checked" && argc == 4) {
        const HWND window = FindWindowW(nullptr, argv[2]);
        const HWND box = window ? childWithText(window, argv[3]) : nullptr;
        if (!box) return 1;
        std::printf("%s\n",
                    SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED ? "checked" : "clear");
        return 0;
    }
    if (command == L"balloon") {
        bool found = false;
        EnumWindows(findBalloon, reinterpret_cast<LPARAM>(&found));
        return found ? 0 : 1;
    }
    const HWND titled = argc == 3 ? FindWindowW(nullptr, argv[2]) : nullptr;
    if (command == L"frame" && titled) {
        RECT frame{};
        GetWindowRect(titled, &frame);
        std::printf("%ld %ld\n", frame.left, frame.top);
        return 0;
    }
    if (command == L"minimize" && titled)
        return PostMessageW(titled, WM_SYSCOMMAND, SC_MINIMIZE, 0) ? 0 : 1;
    if (command == L"close" && titled)
        return PostMessageW(titled, WM_SYSCOMMAND, SC_CLOSE, 0) ? 0 : 1;
    std::fprintf(stderr,
                 "usage: tray_probe.exe login|icon|running|timeout|lose|taskbar-created|"
                 "balloon|checked TITLE TEXT|frame TITLE|minimize TITLE|close TITLE\n");
    return 2;
}
