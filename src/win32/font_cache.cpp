#include "win32/font_cache.h"

#include <cmath>

#include "platform/utf16.h"

namespace bio {

std::wstring messageFontFace() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return {};
    return metrics.lfMessageFont.lfFaceName;
}

FontCache::~FontCache() {
    for (auto& [key, font] : fonts_) DeleteObject(font);
}

HFONT FontCache::get(const Font& font, UINT dpi, const std::wstring& face) {
    const std::wstring family = face.empty() ? wide(font.family) : face;
    const int tenths = static_cast<int>(std::lround(font.points * 10));
    const auto key = std::make_tuple(family, tenths, font.bold, dpi);
    if (auto found = fonts_.find(key); found != fonts_.end()) return found->second;
    LOGFONTW description{};
    description.lfHeight = -MulDiv(tenths, static_cast<int>(dpi), 720);
    description.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    description.lfCharSet = DEFAULT_CHARSET;
    description.lfQuality = CLEARTYPE_QUALITY;
    family.copy(description.lfFaceName, LF_FACESIZE - 1);
    HFONT made = CreateFontIndirectW(&description);
    fonts_[key] = made;
    return made;
}

}  // namespace bio
