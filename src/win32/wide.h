#pragma once
// The program's text is UTF-8; the Windows API speaks UTF-16. Text crosses
// here, at the edge of every call.

#include <string>
#include <string_view>

namespace bio {

std::wstring wide(std::string_view utf8);
std::string utf8(std::wstring_view text);

}  // namespace bio
