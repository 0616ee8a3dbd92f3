// Usage: hold_file.exe FILE MILLISECONDS READY [BEGUN]
// Holds FILE open as an antivirus scanner or the indexer does for a moment:
// for reading, sharing reading and writing but not deletion, so that nobody
// may remove, rename or replace it meanwhile. Creates READY once it holds
// the file, lets go MILLISECONDS later and exits 0; exits 1 when FILE does
// not open. Given BEGUN (a name with wildcards, such as the temporary file a
// replacement writes beside FILE), the MILLISECONDS count from when such a
// file appears, so that the hold overlaps the replacement however long the
// replacing program takes to start.
#include <windows.h>

#include <cstdio>
#include <cwchar>

namespace {

// Waits up to half a minute for a file matching `pattern`.
void waitFor(const wchar_t* pattern) {
    for (int tries = 0; tries < 15000; ++tries) {
        WIN32_FIND_DATAW found{};
        const HANDLE search = FindFirstFileW(pattern, &found);
        if (search != INVALID_HANDLE_VALUE) {
            FindClose(search);
            return;
        }
        Sleep(2);
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 4 && argc != 5) {
        std::fputs("usage: hold_file.exe FILE MILLISECONDS READY [BEGUN]\n", stderr);
        return 2;
    }
    const HANDLE held = CreateFileW(argv[1], GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (held == INVALID_HANDLE_VALUE) {
        std::fprintf(stderr, "CreateFileW: error %lu\n", GetLastError());
        return 1;
    }
    const HANDLE ready = CreateFileW(argv[3], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
    if (ready != INVALID_HANDLE_VALUE) CloseHandle(ready);
    if (argc == 5) waitFor(argv[4]);
    Sleep(static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 10)));
    CloseHandle(held);
    return 0;
}
