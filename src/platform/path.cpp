#include "platform/path.h"

namespace bio {

std::filesystem::path pathFromUtf8(std::string_view utf8) {
    const std::u8string text(utf8.begin(), utf8.end());
    return std::filesystem::path(text);
}

std::string utf8Text(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace bio
