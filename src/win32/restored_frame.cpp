#include "win32/restored_frame.h"

namespace bio {

RECT restoredFrame(HWND window) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (!GetWindowPlacement(window, &placement)) {
        RECT frame{};
        GetWindowRect(window, &frame);
        return frame;
    }
    RECT frame = placement.rcNormalPosition;
    if (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) return frame;
    // Counted from the top-left corner of the monitor's work area, which lies
    // beside a taskbar on the left or at the top, not from the monitor's.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoW(MonitorFromRect(&frame, MONITOR_DEFAULTTONEAREST), &monitor))
        OffsetRect(&frame, monitor.rcWork.left - monitor.rcMonitor.left,
                   monitor.rcWork.top - monitor.rcMonitor.top);
    return frame;
}

}  // namespace bio
