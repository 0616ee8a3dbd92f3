// The yardstick of the desktop program's start-up under Wine: a top-level
// window with one label, built the same way (static, GUI subsystem), and
// nothing else. With the argument "baio" it also makes as many controls of
// each kind as baio has, which, built with the program's manifest (themed
// common controls, per-monitor DPI), is what baio's window costs any program.
#include <windows.h>

#include <cwchar>

namespace {

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, w, l);
}

// baio's frames, labels, boxes, era options and command buttons.
void addBaiosControls(HWND window, HINSTANCE instance) {
    struct Kind {
        const wchar_t* name;
        DWORD style, exStyle;
        int count;
    };
    constexpr Kind kinds[] = {
        {L"BUTTON", BS_GROUPBOX, 0, 5},
        {L"STATIC", SS_LEFT, 0, 11},
        {L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, 10},
        {L"BUTTON", BS_AUTORADIOBUTTON, 0, 5},
        {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, 3},
    };
    HFONT font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0,
                             CLEARTYPE_QUALITY, 0, L"MS UI Gothic");
    int made = 0;
    for (const Kind& kind : kinds) {
        for (int i = 0; i < kind.count; ++i, ++made) {
            HWND control = CreateWindowExW(
                kind.exStyle, kind.name, L"バイオリズム", WS_CHILD | WS_VISIBLE | kind.style,
                20 + made % 3 * 160, 50 + made / 3 * 40, 150, 30, window,
                reinterpret_cast<HMENU>(static_cast<INT_PTR>(100 + made)), instance, nullptr);
            SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        }
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR arguments, int show) {
    WNDCLASSW type{};
    type.lpfnWndProc = windowProc;
    type.hInstance = instance;
    type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    type.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    type.lpszClassName = L"BareWindow";
    RegisterClassW(&type);
    const bool baio = std::wcscmp(arguments, L"baio") == 0;
    HWND window =
        CreateWindowW(L"BareWindow", L"bare", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                      baio ? 520 : 400, baio ? 560 : 200, nullptr, nullptr, instance, nullptr);
    CreateWindowW(L"STATIC", L"バイオリズム", WS_CHILD | WS_VISIBLE, 20, 20, 200, 24, window,
                  nullptr, instance, nullptr);
    if (baio) addBaiosControls(window, instance);
    ShowWindow(window, show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
