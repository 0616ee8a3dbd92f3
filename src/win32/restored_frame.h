#pragma once
// Where a top-level window stands when it is neither minimised nor
// maximised: its own rectangle while it is minimised is the parking place
// (-32000, -32000), which must never be remembered as its place.

#include <windows.h>

namespace bio {

// The window's restored frame, in screen coordinates.
RECT restoredFrame(HWND window);

}  // namespace bio
