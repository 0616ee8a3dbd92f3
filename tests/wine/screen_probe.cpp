// Usage: screen_probe.exe TITLE
// Reads the shown window titled TITLE of the desktop program as a screen
// reader and as an eye do. Prints for each control, in z-order:
//
//   control ID KIND "NAME" ROLE "DESCRIPTION" GROUP
//
// read from outside the program through MSAA, as NVDA and Narrator read it
// (AccessibleObjectFromWindow, accName, accRole, accDescription; GROUP is the
// id of the group box a reader announces it in: the nearest shown group box
// before it that contains it, 0 for none), then a line for every fault a
// user would see:
//
//   overlap ID ID
//   clipped ID "TEXT" NEEDED AVAILABLE   (pixels, across or down)
//
// and `dpi N`, the window's dots to the inch. Texts and the scale are
// measured inside the program, with the fonts the controls draw
// in, by screen_fit.dll beside this probe, hooked onto the program's thread
// for as long as the probe runs.
#include <windows.h>
// oleacc.h needs the types of windows.h.
#include <initguid.h>
#include <oleacc.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "probe_text.h"

namespace {

// The kind of a control by its window class and style.
const char* kindOf(HWND control) {
    const std::wstring name = className(control);
    if (_wcsicmp(name.c_str(), L"Static") == 0) return "label";
    if (_wcsicmp(name.c_str(), L"Edit") == 0) return "edit";
    if (_wcsicmp(name.c_str(), L"ListBox") == 0) return "list";
    if (_wcsicmp(name.c_str(), L"Button") != 0) return "picture";
    switch (GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK) {
        case BS_GROUPBOX:
            return "frame";
        case BS_AUTORADIOBUTTON:
        case BS_RADIOBUTTON:
            return "option";
        case BS_AUTOCHECKBOX:
        case BS_CHECKBOX:
            return "check";
        default:
            return "button";
    }
}

bool isGroupBox(HWND window) { return std::string(kindOf(window)) == "frame"; }

// In the coordinates of the screen's client area.
RECT rectOf(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool contains(const RECT& outer, const RECT& inner) {
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom;
}

struct Spoken {
    std::wstring name, description;
    long role = 0;
};

std::wstring bstr(BSTR text) {
    std::wstring out = text ? std::wstring(text, SysStringLen(text)) : std::wstring();
    SysFreeString(text);
    return out;
}

Spoken spoken(HWND window) {
    Spoken words;
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(&object))))
        return words;
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR text = nullptr;
    if (object->get_accName(self, &text) == S_OK) words.name = bstr(text);
    text = nullptr;
    if (object->get_accDescription(self, &text) == S_OK) words.description = bstr(text);
    VARIANT role{};
    if (object->get_accRole(self, &role) == S_OK && role.vt == VT_I4) words.role = role.lVal;
    object->Release();
    return words;
}

// The group box a reader says a control is in, as NVDA finds it: the first
// shown group box before the control in z-order that contains it.
HWND groupOf(HWND control) {
    const RECT rect = rectOf(control);
    for (HWND before = GetWindow(control, GW_HWNDPREV); before;
         before = GetWindow(before, GW_HWNDPREV))
        if (IsWindowVisible(before) && isGroupBox(before) && contains(rectOf(before), rect))
            return before;
    return nullptr;
}

// What screen_fit.dll finds of each control, measured in the program's
// process: its lines, with a frame's caption checked against what the frame
// holds.
std::vector<std::string> measured(HWND screen, const std::vector<HWND>& controls) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring library = path;
    library.replace(library.find_last_of(L'\\') + 1, std::wstring::npos, L"screen_fit.dll");
    HMODULE fit = LoadLibraryW(library.c_str());
    auto* hook = fit ? reinterpret_cast<HOOKPROC>(
                           reinterpret_cast<void*>(GetProcAddress(fit, "measureHook")))
                     : nullptr;
    HHOOK hooked = hook ? SetWindowsHookExW(WH_CALLWNDPROC, hook, fit,
                                            GetWindowThreadProcessId(screen, nullptr))
                        : nullptr;
    if (!hooked) {
        std::fprintf(stderr, "screen_fit.dll could not be hooked on (error %lu)\n", GetLastError());
        return {"clipped 0 \"screen_fit.dll\" 1 0"};
    }
    const UINT measure = RegisterWindowMessageW(L"BiorhythmScreenFit");
    SendMessageW(screen, measure, GetCurrentProcessId(), 0);
    for (HWND control : controls) SendMessageW(control, measure, GetCurrentProcessId(), 0);
    UnhookWindowsHookEx(hooked);
    FreeLibrary(fit);

    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    const std::wstring report =
        std::wstring(folder) + L"screen_fit-" + std::to_wstring(GetCurrentProcessId()) + L".txt";
    std::vector<std::string> lines;
    std::ifstream in(report.c_str());
    for (std::string line; std::getline(in, line);) {
        int frame = 0, right = 0, bottom = 0;
        if (std::sscanf(line.c_str(), "caption %d %d %d", &frame, &right, &bottom) != 3) {
            lines.push_back(line);
            continue;
        }
        // A frame's caption runs across its top edge: what it holds starts below it.
        HWND outer = GetDlgItem(screen, frame);
        for (HWND control : controls) {
            const RECT inner = rectOf(control);
            if (control != outer && contains(rectOf(outer), inner) && inner.left < right &&
                inner.top < bottom)
                lines.push_back("overlap " + std::to_string(frame) + " " +
                                std::to_string(GetDlgCtrlID(control)));
        }
    }
    in.close();
    DeleteFileW(report.c_str());
    return lines;
}

void checkOverlaps(const std::vector<HWND>& controls) {
    for (std::size_t i = 0; i < controls.size(); ++i) {
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            const RECT a = rectOf(controls[i]), b = rectOf(controls[j]);
            RECT common{};
            if (!IntersectRect(&common, &a, &b)) continue;
            // What a frame holds lies inside it.
            if ((isGroupBox(controls[i]) && contains(a, b)) ||
                (isGroupBox(controls[j]) && contains(b, a)))
                continue;
            std::printf("overlap %d %d\n", GetDlgCtrlID(controls[i]), GetDlgCtrlID(controls[j]));
        }
    }
}

struct Search {
    std::wstring title;
    std::vector<HWND> found;
};

BOOL CALLBACK collect(HWND window, LPARAM search) {
    auto* wanted = reinterpret_cast<Search*>(search);
    if (IsWindowVisible(window) && className(window) == L"BiorhythmScreen" &&
        windowText(window) == wanted->title)
        wanted->found.push_back(window);
    return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: screen_probe.exe TITLE\n");
        return 2;
    }
    // The program's own pixels, as it lays them out at the display's scale.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    Search search{argv[1], {}};
    EnumWindows(collect, reinterpret_cast<LPARAM>(&search));
    if (search.found.size() != 1) {
        std::fprintf(stderr, "%zu shown windows titled %s\n", search.found.size(),
                     quoted(search.title).c_str());
        return 1;
    }
    std::vector<HWND> controls;
    for (HWND child = GetWindow(search.found[0], GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT))
        if (IsWindowVisible(child)) controls.push_back(child);
    for (HWND control : controls) {
        const Spoken words = spoken(control);
        HWND group = groupOf(control);
        std::printf("control %d %s %s %ld %s %d\n", GetDlgCtrlID(control), kindOf(control),
                    quoted(words.name).c_str(), words.role, quoted(words.description).c_str(),
                    group ? GetDlgCtrlID(group) : 0);
    }
    checkOverlaps(controls);
    for (const std::string& line : measured(search.found[0], controls))
        std::printf("%s\n", line.c_str());
    CoUninitialize();
    return 0;
}
