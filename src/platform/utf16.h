#pragma once
// The program's text is UTF-8; Windows speaks UTF-16. Text crosses here, at
// the edge of every call, in the Windows build (its paths, the registry, the
// console, the front end's controls).

#include <string>
#include <string_view>

namespace bio {

std::wstring wide(std::string_view utf8);
std::string utf8(std::wstring_view text);

}  // namespace bio
