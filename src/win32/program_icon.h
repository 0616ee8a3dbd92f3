#pragma once
// The program's own icon, from the executable's resources, in the sizes
// Windows asks of a window or a notification icon.

#include <windows.h>

namespace bio {

enum class IconSize {
    Large,  // Alt+Tab and the large taskbar buttons (SM_CXICON)
    Small,  // the title bar, the small taskbar buttons, the notification area (SM_CXSMICON)
};

// Kept for the whole process, as the window class and the notification
// area use it for as long as the program runs; null when it cannot be loaded.
HICON programIcon(IconSize size);

}  // namespace bio
