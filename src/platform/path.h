#pragma once
// Paths are UTF-8 text in the program and become the platform's own only here,
// at the edge: on Windows a std::filesystem::path made from narrow text would
// go through the ANSI code page and garble a Japanese folder name.

#include <filesystem>
#include <string>
#include <string_view>

namespace bio {

std::filesystem::path pathFromUtf8(std::string_view utf8);
// The path as UTF-8, for the user to read and for the files that store it.
std::string utf8Text(const std::filesystem::path& path);

}  // namespace bio
