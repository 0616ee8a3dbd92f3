// screen_fit.dll: measures a control's text inside the program that shows
// it, with the font the control draws in, which no other process can read.
// screen_probe.exe hooks it onto the program's thread (WH_CALLWNDPROC) and
// sends the screen and each control the message "BiorhythmScreenFit", its own
// process id in wParam; for each one the hook appends to
// %TEMP%\screen_fit-PID.txt
//
//   dpi N                                (the screen's dots to the inch)
//   clipped ID "TEXT" NEEDED AVAILABLE   (pixels, across or down)
//   caption ID RIGHT BOTTOM              (a frame's caption, in its parent)
//
// A text is measured with GetTextExtentPoint32W, or DrawTextW where the
// control wraps, and each line is given the height Windows' tallest Japanese
// UI font needs (kLineHeightPerEm), not the height of the IPA fonts that
// stand in for them under Wine.
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <utility>

#include "probe_text.h"

namespace {

// Line height per em of Windows 10's Japanese UI fonts, (usWinAscent +
// usWinDescent) / unitsPerEm: MS UI Gothic 1.00, Meiryo UI 1.27, and Yu
// Gothic UI (a Japanese Windows 10's message font) at most that of Segoe UI,
// whose Latin it carries, (2210 + 514) / 2048 = 1.33. The largest.
constexpr double kLineHeightPerEm = 2724.0 / 2048.0;

// Without the blanks that pad a register field.
std::wstring shownText(std::wstring text) {
    text.erase(text.find_last_not_of(L" \u3000") + 1);
    return text;
}

class Measure {
  public:
    explicit Measure(HWND control) : control_(control), dc_(GetDC(control)) {
        auto* font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
        old_ = SelectObject(dc_, font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
        GetTextMetricsW(dc_, &metrics_);
        LOGFONTW description{};
        const int em =
            font && GetObjectW(font, sizeof description, &description) && description.lfHeight < 0
                ? -description.lfHeight
                : metrics_.tmHeight - metrics_.tmInternalLeading;
        line_ = std::max(static_cast<int>(metrics_.tmHeight),
                         static_cast<int>(std::ceil(kLineHeightPerEm * em)));
    }
    ~Measure() {
        SelectObject(dc_, old_);
        ReleaseDC(control_, dc_);
    }
    Measure(const Measure&) = delete;
    Measure& operator=(const Measure&) = delete;

    int line() const { return line_; }
    int width(const std::wstring& text) const {
        SIZE size{};
        GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &size);
        return size.cx;
    }
    // The lines `text` takes when wrapped at `width`, and the widest of them.
    std::pair<int, int> wrapped(const std::wstring& text, int width) const {
        RECT rect{0, 0, width, 0};
        DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &rect,
                  DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        const int lines = std::max(
            1, static_cast<int>(std::lround(static_cast<double>(rect.bottom) / metrics_.tmHeight)));
        return {lines, rect.right};
    }

  private:
    HWND control_;
    HDC dc_;
    HGDIOBJ old_ = nullptr;
    TEXTMETRICW metrics_{};
    int line_ = 0;
};

class Report {
  public:
    Report(DWORD reader, HWND control) : control_(control) {
        wchar_t folder[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, folder);
        const std::wstring path =
            std::wstring(folder) + L"screen_fit-" + std::to_wstring(reader) + L".txt";
        file_ = _wfopen(path.c_str(), L"ab");
    }
    ~Report() {
        if (file_) std::fclose(file_);
    }
    Report(const Report&) = delete;
    Report& operator=(const Report&) = delete;

    void fits(const std::wstring& text, int needed, int available) {
        if (file_ && needed > available)
            std::fprintf(file_, "clipped %d %s %d %d\n", GetDlgCtrlID(control_),
                         quoted(text).c_str(), needed, available);
    }
    void dpi(UINT dpi) {
        if (file_) std::fprintf(file_, "dpi %u\n", dpi);
    }
    void caption(int right, int bottom) {
        if (file_) std::fprintf(file_, "caption %d %d %d\n", GetDlgCtrlID(control_), right, bottom);
    }

  private:
    HWND control_;
    FILE* file_ = nullptr;
};

bool is(const std::wstring& kind, const wchar_t* name) { return _wcsicmp(kind.c_str(), name) == 0; }

// What each kind of control leaves its text, as Windows draws it: a button's
// edge, an option's check box, an edit box's margins, a list's item height.
void measure(HWND control, Report& report) {
    const std::wstring kind = className(control);
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    const UINT dpi = GetDpiForWindow(control);
    const int edge = GetSystemMetricsForDpi(SM_CXEDGE, dpi);
    RECT client{};
    GetClientRect(control, &client);
    if (is(kind, L"BiorhythmScreen")) return report.dpi(dpi);
    const Measure measure(control);
    const std::wstring text = shownText(windowText(control));
    if (is(kind, L"Static")) {
        if (text.empty()) return;
        const auto [lines, widest] = measure.wrapped(text, client.right);
        report.fits(text, widest, client.right);
        report.fits(text, lines * measure.line(), client.bottom);
    } else if (is(kind, L"Edit")) {
        const auto margins = static_cast<DWORD>(SendMessageW(control, EM_GETMARGINS, 0, 0));
        report.fits(text, measure.width(text), client.right - LOWORD(margins) - HIWORD(margins));
        report.fits(text, measure.line(), client.bottom);
    } else if (is(kind, L"ListBox")) {
        // A line may be wider than the list where the list scrolls across to it.
        const int across =
            style & WS_HSCROLL
                ? std::max<int>(client.right, static_cast<int>(SendMessageW(
                                                  control, LB_GETHORIZONTALEXTENT, 0, 0)))
                : client.right;
        const auto count = static_cast<int>(SendMessageW(control, LB_GETCOUNT, 0, 0));
        report.fits(L"", measure.line(),
                    static_cast<int>(SendMessageW(control, LB_GETITEMHEIGHT, 0, 0)));
        for (int i = 0; i < count; ++i) {
            std::wstring item(
                static_cast<std::size_t>(SendMessageW(control, LB_GETTEXTLEN, i, 0)) + 1, L'\0');
            item.resize(static_cast<std::size_t>(
                SendMessageW(control, LB_GETTEXT, i, reinterpret_cast<LPARAM>(item.data()))));
            report.fits(item, measure.width(item) + 2 * edge, across);
        }
    } else if (is(kind, L"Button")) {
        const LONG type = style & BS_TYPEMASK;
        if (type == BS_GROUPBOX) {
            // The caption stands on the frame's top edge, inset from its corner.
            const int width = measure.width(text) + 4 * edge;
            report.fits(text, width, client.right);
            RECT frame{};
            GetWindowRect(control, &frame);
            MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&frame), 2);
            report.caption(frame.left + width, frame.top + measure.line());
        } else if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) {
            report.fits(text, measure.width(text) + 4 * edge, client.right);
            report.fits(text, measure.line() + 2 * edge, client.bottom);
        } else {
            const int box = GetSystemMetricsForDpi(SM_CXMENUCHECK, dpi);
            report.fits(text, box + 2 * edge + measure.width(text), client.right);
            report.fits(text, measure.line(), client.bottom);
        }
    }
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK measureHook(int code, WPARAM w, LPARAM l) {
    static const UINT kMeasure = RegisterWindowMessageW(L"BiorhythmScreenFit");
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(l);
    if (code == HC_ACTION && call->message == kMeasure) {
        Report report(static_cast<DWORD>(call->wParam), call->hwnd);
        measure(call->hwnd, report);
    }
    return CallNextHookEx(nullptr, code, w, l);
}
