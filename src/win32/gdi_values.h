#pragma once
// The program's values as GDI takes them: whole device units and COLORREFs.

#include <windows.h>

#include <cmath>

#include "ui/screen.h"

namespace bio {

inline int rounded(double value) { return static_cast<int>(std::lround(value)); }

inline COLORREF colorRef(const Rgb& color) { return RGB(color.r, color.g, color.b); }

}  // namespace bio
