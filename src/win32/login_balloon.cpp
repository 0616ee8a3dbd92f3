#include "win32/login_balloon.h"

#include <shellapi.h>

#include <iostream>

#include "overview/login_notice.h"
#include "platform/command_line_quoting.h"
#include "platform/path.h"
#include "platform/utf16.h"
#include "ui/system_clock.h"
#include "win32/program_icon.h"

namespace bio {

namespace {

constexpr UINT_PTR kGiveUpTimer = 1;
// The user has had time to see the notice; nobody waits longer for a click.
constexpr UINT kLongestWaitMilliseconds = 10 * 60 * 1000;

struct Balloon {
    std::filesystem::path dataDir;
    NOTIFYICONDATAW icon{};
    // Broadcast by Explorer whenever it starts, with an empty notification area.
    UINT taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
    bool everShown = false;
};

// The icon with the notice, in the notification area; false while Explorer
// has none (at login it may not be ready yet).
bool addIcon(Balloon& balloon) {
    if (!Shell_NotifyIconW(NIM_ADD, &balloon.icon)) return false;
    // Clicks as Windows 10 tells them: NIN_SELECT for the icon's.
    Shell_NotifyIconW(NIM_SETVERSION, &balloon.icon);
    balloon.everShown = true;
    return true;
}

// The overview opens on the register the notice was read from.
void startOverview(const std::filesystem::path& dataDir) {
    wchar_t self[MAX_PATH]{};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring command =
        wide(commandLine({utf8(self), "--overview", "--data-dir", utf8Text(dataDir)}));
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

LRESULT CALLBACK balloonProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    auto* balloon = reinterpret_cast<Balloon*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!balloon) return DefWindowProcW(window, message, w, l);
    if (message == kLoginIconMessage) {
        switch (LOWORD(l)) {
            // A click on the notice, also in the Action Center long after its
            // banner has gone (NIN_BALLOONTIMEOUT says no more than that), or
            // on the icon.
            case NIN_BALLOONUSERCLICK:
            case NIN_SELECT:
            case NIN_KEYSELECT:
                startOverview(balloon->dataDir);
                PostQuitMessage(0);
                break;
            default:
                break;
        }
        return 0;
    }
    // Explorer (re)started: the icon it lost, or never had, goes back in.
    if (message == balloon->taskbarCreated) {
        addIcon(*balloon);
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
    balloonClass.lpfnWndProc = balloonProcedure;
    balloonClass.hInstance = GetModuleHandleW(nullptr);
    balloonClass.lpszClassName = kLoginBalloonClass;
    RegisterClassExW(&balloonClass);
    // A top-level window, hidden: a message-only one would miss the broadcast.
    HWND window = CreateWindowExW(0, balloonClass.lpszClassName, L"", 0, 0, 0, 0, 0, nullptr,
                                  nullptr, balloonClass.hInstance, nullptr);
    Balloon balloon{dataDir};
    NOTIFYICONDATAW& icon = balloon.icon;
    icon.cbSize = sizeof icon;
    icon.hWnd = window;
    icon.uID = kLoginIconId;
    icon.uFlags = NIF_ICON | NIF_TIP | NIF_INFO | NIF_MESSAGE;
    icon.uCallbackMessage = kLoginIconMessage;
    icon.hIcon = programIcon(IconSize::Small);
    fill(icon.szTip, "バイオリズム診断");
    fill(icon.szInfoTitle, (*notice)->summary);
    fill(icon.szInfo, (*notice)->body());
    icon.dwInfoFlags = NIIF_INFO;
    icon.uVersion = NOTIFYICON_VERSION_4;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&balloon));

    addIcon(balloon);
    SetTimer(window, kGiveUpTimer, kLongestWaitMilliseconds, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    if (balloon.everShown) {
        Shell_NotifyIconW(NIM_DELETE, &icon);
    } else {
        std::cerr << "biorhythm: 通知領域に今日の要注意日を出せません\n";
    }
    DestroyWindow(window);
    return 0;
}

}  // namespace bio
