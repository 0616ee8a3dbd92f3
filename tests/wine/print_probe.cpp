// Usage: print_probe.exe LINE | --settings | --resolution ACROSS DOWN
// Prints one page on the default printer, as the Windows front end does:
// the printer's DC from PrintDlgW, LINE in ＭＳ 明朝 an inch from the
// paper's top left corner, and a rule drawn with a pen below it. Says what the printer
// DC is like, and names the first GDI call that fails with its error.
// --settings prints the paper and the resolution of the default printer's own
// settings, "paper 1 300x600" (1 is Letter, 9 is A4); --resolution makes
// ACROSS x DOWN dots per inch its setting, as its preferences dialog would.
#include <windows.h>
// commdlg.h needs the types of windows.h.
#include <commdlg.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

// The printer's DC and the dialog's memory, given back in every case.
class DefaultPrinter {
  public:
    DefaultPrinter() {
        dialog_.lStructSize = sizeof dialog_;
        dialog_.Flags = PD_RETURNDEFAULT | PD_RETURNDC;
        if (!PrintDlgW(&dialog_)) {
            std::fprintf(stderr, "PrintDlgW: no default printer (CommDlgExtendedError %#lx)\n",
                         CommDlgExtendedError());
        }
    }
    ~DefaultPrinter() {
        if (dialog_.hDC) DeleteDC(dialog_.hDC);
        if (dialog_.hDevMode) GlobalFree(dialog_.hDevMode);
        if (dialog_.hDevNames) GlobalFree(dialog_.hDevNames);
    }
    DefaultPrinter(const DefaultPrinter&) = delete;
    DefaultPrinter& operator=(const DefaultPrinter&) = delete;

    HDC dc() const { return dialog_.hDC; }

    std::wstring name() const {
        if (!dialog_.hDevNames) return {};
        auto* names = static_cast<DEVNAMES*>(GlobalLock(dialog_.hDevNames));
        std::wstring device = reinterpret_cast<const wchar_t*>(names) + names->wDeviceOffset;
        GlobalUnlock(dialog_.hDevNames);
        return device;
    }

  private:
    PRINTDLGW dialog_{};
};

// False, after saying so, when a GDI call failed.
bool check(bool ok, const char* call) {
    if (!ok) std::fprintf(stderr, "%s failed (GetLastError %lu)\n", call, GetLastError());
    return ok;
}

bool printPage(HDC dc, const wchar_t* line) {
    const int dpiX = GetDeviceCaps(dc, LOGPIXELSX);
    const int dpiY = GetDeviceCaps(dc, LOGPIXELSY);
    // An inch from the paper's edges, whatever margin the printer cannot reach.
    const int left = dpiX - GetDeviceCaps(dc, PHYSICALOFFSETX);
    const int top = dpiY - GetDeviceCaps(dc, PHYSICALOFFSETY);

    DOCINFOW doc{};
    doc.cbSize = sizeof doc;
    doc.lpszDocName = L"print_probe";
    if (!check(StartDocW(dc, &doc) > 0, "StartDocW")) return false;
    bool ok = check(StartPage(dc) > 0, "StartPage");

    // 16 points high; the face is the one the front end asks for.
    HFONT font = CreateFontW(-MulDiv(16, dpiY, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                             SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             DEFAULT_QUALITY, FIXED_PITCH | FF_ROMAN, L"ＭＳ 明朝");
    ok = ok && check(font != nullptr, "CreateFontW");
    HGDIOBJ oldFont = ok ? SelectObject(dc, font) : nullptr;
    if (oldFont == HGDI_ERROR) oldFont = nullptr;
    ok = ok && check(oldFont != nullptr, "SelectObject(font)");
    ok =
        ok && check(TextOutW(dc, left, top, line, static_cast<int>(std::wcslen(line))), "TextOutW");

    // A point wide and four inches long, half an inch below the text's top.
    HPEN pen = CreatePen(PS_SOLID, MulDiv(1, dpiX, 72), RGB(0, 0, 0));
    ok = ok && check(pen != nullptr, "CreatePen");
    HGDIOBJ oldPen = ok ? SelectObject(dc, pen) : nullptr;
    if (oldPen == HGDI_ERROR) oldPen = nullptr;
    ok = ok && check(oldPen != nullptr, "SelectObject(pen)");
    const int ruleY = top + dpiY / 2;
    ok = ok && check(MoveToEx(dc, left, ruleY, nullptr), "MoveToEx");
    ok = ok && check(LineTo(dc, left + 4 * dpiX, ruleY), "LineTo");

    if (oldPen) SelectObject(dc, oldPen);
    if (oldFont) SelectObject(dc, oldFont);
    if (pen) DeleteObject(pen);
    if (font) DeleteObject(font);

    ok = ok && check(EndPage(dc) > 0, "EndPage");
    if (!ok) {
        AbortDoc(dc);
        return false;
    }
    return check(EndDoc(dc) > 0, "EndDoc");
}

// The default printer, open for its settings.
class DefaultPrinterSettings {
  public:
    DefaultPrinterSettings() {
        DWORD size = 256;
        PRINTER_DEFAULTSW access{nullptr, nullptr, PRINTER_ALL_ACCESS};
        if (check(GetDefaultPrinterW(name_, &size), "GetDefaultPrinterW"))
            check(OpenPrinterW(name_, &printer_, &access), "OpenPrinterW");
    }
    ~DefaultPrinterSettings() {
        if (printer_) ClosePrinter(printer_);
    }
    DefaultPrinterSettings(const DefaultPrinterSettings&) = delete;
    DefaultPrinterSettings& operator=(const DefaultPrinterSettings&) = delete;

    // PRINTER_INFO_2W with its DEVMODE, in one buffer; empty when unreadable.
    std::vector<BYTE> read() const {
        DWORD needed = 0;
        if (!printer_) return {};
        GetPrinterW(printer_, 2, nullptr, 0, &needed);
        std::vector<BYTE> info(needed);
        if (!check(needed > 0 && GetPrinterW(printer_, 2, info.data(), needed, &needed),
                   "GetPrinterW"))
            return {};
        return info;
    }
    bool write(std::vector<BYTE>& info) const {
        return check(SetPrinterW(printer_, 2, info.data(), 0), "SetPrinterW");
    }

  private:
    wchar_t name_[256]{};
    HANDLE printer_ = nullptr;
};

DEVMODEW* modeOf(std::vector<BYTE>& info) {
    return info.empty() ? nullptr : reinterpret_cast<PRINTER_INFO_2W*>(info.data())->pDevMode;
}

int printSettings() {
    std::vector<BYTE> info = DefaultPrinterSettings().read();
    const DEVMODEW* mode = modeOf(info);
    if (!mode) return 1;
    std::printf("paper %d %dx%d\n", mode->dmPaperSize, mode->dmPrintQuality, mode->dmYResolution);
    return 0;
}

int setResolution(int across, int down) {
    const DefaultPrinterSettings printer;
    std::vector<BYTE> info = printer.read();
    DEVMODEW* mode = modeOf(info);
    if (!mode) return 1;
    mode->dmPrintQuality = static_cast<short>(across);
    mode->dmYResolution = static_cast<short>(down);
    mode->dmFields |= DM_PRINTQUALITY | DM_YRESOLUTION;
    // The settings alone change, not who may use the printer.
    reinterpret_cast<PRINTER_INFO_2W*>(info.data())->pSecurityDescriptor = nullptr;
    return printer.write(info) ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc == 2 && std::wcscmp(argv[1], L"--settings") == 0) return printSettings();
    if (argc == 4 && std::wcscmp(argv[1], L"--resolution") == 0)
        return setResolution(_wtoi(argv[2]), _wtoi(argv[3]));
    if (argc != 2) {
        std::fprintf(stderr,
                     "usage: print_probe.exe LINE | --settings | --resolution ACROSS DOWN\n");
        return 2;
    }
    DefaultPrinter printer;
    if (!printer.dc()) return 1;
    const HDC dc = printer.dc();
    std::printf("printer %ls: %d x %d dpi, page %d x %d pixels, printable %d x %d at %d,%d\n",
                printer.name().c_str(), GetDeviceCaps(dc, LOGPIXELSX),
                GetDeviceCaps(dc, LOGPIXELSY), GetDeviceCaps(dc, PHYSICALWIDTH),
                GetDeviceCaps(dc, PHYSICALHEIGHT), GetDeviceCaps(dc, HORZRES),
                GetDeviceCaps(dc, VERTRES), GetDeviceCaps(dc, PHYSICALOFFSETX),
                GetDeviceCaps(dc, PHYSICALOFFSETY));
    return printPage(dc, argv[1]) ? 0 : 1;
}
