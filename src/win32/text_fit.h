#pragma once
// Fonts that let each control's text fit it on any Japanese Windows: the
// design's size in the UI font, made smaller where the text would not fit
// the control at the line height of the tallest Japanese UI font Windows
// ships, whichever of them this Windows (or Wine) draws with. A text is
// measured only where a rough bound does not already show that it fits, so
// that laying out a screen realises few fonts before its first paint.

#include <windows.h>

#include <string>

#include "ui/control.h"
#include "win32/font_cache.h"

namespace bio {

class TextFit {
  public:
    // Measures on `window`'s display until destroyed.
    TextFit(HWND window, FontCache& fonts, UINT dpi, std::wstring face);
    ~TextFit();
    TextFit(const TextFit&) = delete;
    TextFit& operator=(const TextFit&) = delete;

    // The font for `control`, one of `kind` showing `text`, laid out already:
    // the design's size or, where that does not fit, the largest size down to
    // three quarters of it that does. A frame's caption has `roomAbove` pixels
    // above what the frame holds.
    HFONT font(HWND control, ControlKind kind, const Font& design, const std::wstring& text,
               int roomAbove = 0);

    // The height a line of `points` takes on any Japanese Windows.
    int lineHeight(double points) const;

  private:
    bool fits(HWND control, ControlKind kind, const std::wstring& text, int roomAbove);
    // Whether `text` takes at most `room` pixels across in one line.
    bool within(const std::wstring& text, int room);

    HWND window_;
    HDC dc_;
    HGDIOBJ original_;
    FontCache& fonts_;
    UINT dpi_;
    std::wstring face_;
    HFONT font_ = nullptr;  // the size being tried
    int em_ = 0, line_ = 0;
    bool selected_ = false;  // font_ is in dc_
};

}  // namespace bio
