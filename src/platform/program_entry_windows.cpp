#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "platform/program_entry.h"

namespace {

std::string utf8FromWide(const wchar_t* wide) {
    const int length = static_cast<int>(std::wcslen(wide));
    if (length == 0) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide, length, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, length, utf8.data(), size, nullptr, nullptr);
    return utf8;
}

}  // namespace

// The arguments come in UTF-16, whatever the console's code page.
int wmain(int argc, wchar_t** argv) {
    // Bytes as they are: text mode would put a CR before every LF.
    for (std::FILE* stream : {stdin, stdout, stderr}) _setmode(_fileno(stream), _O_BINARY);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.push_back(utf8FromWide(argv[i]));
    return bio::programMain(args);
}
