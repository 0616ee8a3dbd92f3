#include "win32/program_icon.h"

#include "win32/resource_ids.h"

namespace bio {

HICON programIcon(IconSize size) {
    const bool large = size == IconSize::Large;
    // The group holds 16 to 256 pixels; Windows picks the entry nearest to
    // the system's size at its DPI instead of shrinking the first one.
    return static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(BIO_ICON_ID), IMAGE_ICON,
                   GetSystemMetrics(large ? SM_CXICON : SM_CXSMICON),
                   GetSystemMetrics(large ? SM_CYICON : SM_CYSMICON), LR_SHARED));
}

}  // namespace bio
