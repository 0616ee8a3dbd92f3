#include "win32/login_balloon.h"

#include <windows.h>

#include <shellapi.h>

#include <iostream>

#include "overview/login_notice.h"
#include "platform/utf16.h"
#include "ui/system_clock.h"
#include "win32/program_icon.h"

namespace bio {

namespace {

constexpr UINT kIconMessage = WM_APP + 2;
constexpr UINT_PTR kGiveUpTimer = 1;
// The user has had time to see the notice; nobody waits longer for a click.
constexpr UINT kLongestWaitMilliseconds = 10 * 60 * 1000;

struct Balloon {
    std::filesystem::path dataDir;
};

// The overview opens on the register the notice was read from.
void startOverview(const std::filesystem::path& dataDir) {
    wchar_t self[MAX_PATH]{};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring command =
        L"\"" + std::wstring(self) + L"\" --overview --data-dir \"" + dataDir.wstring() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(self, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started)) {
        std::cerr << "biorhythm: 一覧を開けませんでした。\n";
        return;
    }
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
}

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == kIconMessage) {
        switch (LOWORD(l)) {
            case NIN_BALLOONUSERCLICK:
                startOverview(
                    reinterpret_cast<Balloon*>(GetWindowLongPtrW(window, GWLP_USERDATA))->dataDir);
                PostQuitMessage(0);
                break;
            case NIN_BALLOONTIMEOUT:
                PostQuitMessage(0);
                break;
            default:
                break;
        }
        return 0;
    }
    if (message == WM_TIMER && w == kGiveUpTimer) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, w, l);
}

// Copies as much of the text as the field holds.
template <std::size_t N>
void fill(wchar_t (&field)[N], const std::string& text) {
    wide(text).copy(field, N - 1);
}

}  // namespace

int showLoginBalloon(const std::filesystem::path& dataDir) {
    SystemClock clock;
    const auto notice = loginNotice(dataDir, clock.today());
    if (!notice) {
        std::cerr << "biorhythm: " << describe(notice.error()) << '\n';
        return 0;
    }
    if (!*notice) return 0;

    WNDCLASSEXW balloonClass{};
    balloonClass.cbSize = sizeof balloonClass;
    balloonClass.lpfnWndProc = procedure;
    balloonClass.hInstance = GetModuleHandleW(nullptr);
    balloonClass.lpszClassName = L"BiorhythmLoginBalloon";
    RegisterClassExW(&balloonClass);
    HWND window = CreateWindowExW(0, balloonClass.lpszClassName, L"", 0, 0, 0, 0, 0, nullptr,
                                  nullptr, balloonClass.hInstance, nullptr);
    Balloon balloon{dataDir};
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&balloon));

    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = window;
    icon.uID = 1;
    icon.uFlags = NIF_ICON | NIF_TIP | NIF_INFO | NIF_MESSAGE;
    icon.uCallbackMessage = kIconMessage;
    icon.hIcon = programIcon(IconSize::Small);
    fill(icon.szTip, "バイオリズム診断");
    fill(icon.szInfoTitle, (*notice)->summary);
    fill(icon.szInfo, (*notice)->body());
    icon.dwInfoFlags = NIIF_INFO;
    if (!Shell_NotifyIconW(NIM_ADD, &icon)) {
        std::cerr << "biorhythm: 通知領域に今日の要注意日を出せません\n";
        DestroyWindow(window);
        return 0;
    }
    icon.uVersion = NOTIFYICON_VERSION_4;
    Shell_NotifyIconW(NIM_SETVERSION, &icon);
    SetTimer(window, kGiveUpTimer, kLongestWaitMilliseconds, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    Shell_NotifyIconW(NIM_DELETE, &icon);
    DestroyWindow(window);
    return 0;
}

}  // namespace bio
