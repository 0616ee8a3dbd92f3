#include "win32/program_icon.h"

#include <commctrl.h>

#include "win32/resource_ids.h"

namespace bio {

HICON programIcon(IconSize size) {
    // The group holds 16 to 256 pixels; this picks the entry made for the
    // system's size at its DPI, where LoadImage with LR_SHARED would hand back
    // whichever size was loaded first, shrunk or stretched.
    HICON icon = nullptr;
    LoadIconMetric(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(BIO_ICON_ID),
                   size == IconSize::Large ? LIM_LARGE : LIM_SMALL, &icon);
    return icon;
}

}  // namespace bio
