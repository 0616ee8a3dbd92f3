#include "ui/page.h"

#include "state/utf8.h"

namespace bio {

double emWidth(std::string_view utf8) {
    double width = 0;
    forEachUtf8Char(utf8, [&](const Utf8Char& c) {
        // ASCII and the half-width katakana U+FF61..U+FF9F take half an em.
        const bool halfWidth = c.code < 0x80 || (c.code >= 0xFF61 && c.code <= 0xFF9F);
        width += halfWidth ? 0.5 : 1;
        return true;
    });
    return width;
}

double textWidth(std::string_view utf8, double points) {
    return emWidth(utf8) * points * kMmPerPoint;
}

}  // namespace bio
