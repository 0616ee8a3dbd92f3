#pragma once
// The fonts a window draws with, made once per face, size and DPI and freed
// with the window.

#include <windows.h>

#include <map>
#include <string>
#include <tuple>

#include "ui/control.h"

namespace bio {

// The system's UI font (lfMessageFont: Yu Gothic UI or Meiryo UI on a
// Japanese Windows), which the controls are drawn in.
std::wstring messageFontFace();

class FontCache {
  public:
    FontCache() = default;
    ~FontCache();
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;

    // The design's size and weight in `face`, or in its own family when empty.
    HFONT get(const Font& font, UINT dpi, const std::wstring& face = {});

  private:
    std::map<std::tuple<std::wstring, int, bool, UINT>, HFONT> fonts_;
};

}  // namespace bio
