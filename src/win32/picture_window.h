#pragma once
// A picture box: a child window that paints its display list on white.

#include <windows.h>

#include <vector>

#include "ui/canvas.h"

namespace bio {

inline constexpr wchar_t kPictureClass[] = L"BiorhythmPicture";

void registerPictureClass();
// Repaints the picture when its drawing changed.
void showDrawing(HWND picture, const std::vector<CanvasOp>& ops);

}  // namespace bio
