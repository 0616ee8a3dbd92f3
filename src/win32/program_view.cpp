#include "win32/program_view.h"

#include "platform/utf16.h"
#include "shell/catalogue.h"
#include "shell/shortcuts.h"
#include "shell/warnings.h"

namespace bio {

namespace {

PixelRect pixels(const RECT& rect) {
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

BOOL CALLBACK addWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM areas) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(monitor, &info))
        reinterpret_cast<std::vector<PixelRect>*>(areas)->push_back(pixels(info.rcWork));
    return TRUE;
}

}  // namespace

ProgramView::ProgramView(Program& program, std::filesystem::path placeFile, ComApartment& apartment)
    : readerNames_(apartment), windows_(program, *this, std::move(placeFile)) {}

std::unique_ptr<ScreenView> ProgramView::makeWindow(ScreenId id, WindowInput input) {
    return std::make_unique<ScreenWindow>(screenDesign(id), shortcuts(id), std::move(input),
                                          readerNames_);
}

WorkAreas ProgramView::workAreas() const {
    WorkAreas areas;
    EnumDisplayMonitors(nullptr, nullptr, addWorkArea, reinterpret_cast<LPARAM>(&areas.screens));
    MONITORINFO primary{};
    primary.cbSize = sizeof primary;
    GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &primary);
    areas.primary = pixels(primary.rcWork);
    return areas;
}

void ProgramView::showInternalError(const std::string& text) {
    MessageBoxW(dialogParent(), wide(text).c_str(), wide(std::string(kWarningTitle)).c_str(),
                MB_OK | MB_ICONERROR);
}

void ProgramView::ended() { PostQuitMessage(0); }

HWND ProgramView::dialogParent() const {
    const auto* front = static_cast<const ScreenWindow*>(windows_.dialogParent());
    return front ? front->handle() : nullptr;
}

bool ProgramView::translate(MSG& message) {
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    for (ScreenId id : kAllScreens) {
        auto* window = static_cast<ScreenWindow*>(windows_.window(id));
        if (window && window->handle() == root) return window->translate(message);
    }
    return false;
}

}  // namespace bio
