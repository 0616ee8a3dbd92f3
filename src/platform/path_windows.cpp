#include "platform/path.h"
#include "platform/utf16.h"

namespace bio {

std::filesystem::path pathFromUtf8(std::string_view utf8) { return wide(utf8); }

std::string utf8Text(const std::filesystem::path& path) { return utf8(path.native()); }

}  // namespace bio
