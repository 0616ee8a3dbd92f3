#include "ui/page.h"

namespace bio {

namespace {

// U+FF61..U+FF9F, encoded EF BD A1..BF and EF BE 80..9F.
bool startsWithHalfWidthKana(std::string_view utf8) {
    if (utf8.size() < 3 || static_cast<unsigned char>(utf8[0]) != 0xEF) return false;
    const auto second = static_cast<unsigned char>(utf8[1]);
    const auto third = static_cast<unsigned char>(utf8[2]);
    return (second == 0xBD && third >= 0xA1) || (second == 0xBE && third <= 0x9F);
}

}  // namespace

double emWidth(std::string_view utf8) {
    double width = 0;
    for (std::size_t at = 0; at < utf8.size(); ++at) {
        const auto byte = static_cast<unsigned char>(utf8[at]);
        if ((byte & 0xC0) == 0x80) continue;  // continues the character before
        const bool halfWidth = byte < 0x80 || startsWithHalfWidthKana(utf8.substr(at));
        width += halfWidth ? 0.5 : 1;
    }
    return width;
}

double textWidth(std::string_view utf8, double points) {
    return emWidth(utf8) * points * kMmPerPoint;
}

}  // namespace bio
