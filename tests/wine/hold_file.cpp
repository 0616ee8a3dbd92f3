// Usage: hold_file.exe FILE MILLISECONDS READY
// Holds FILE open as an antivirus scanner or the indexer does for a moment:
// for reading, sharing reading and writing but not deletion, so that nobody
// may remove, rename or replace it meanwhile. Creates READY once it holds
// the file, lets go after MILLISECONDS and exits 0; exits 1 when FILE does
// not open.
#include <windows.h>

#include <cstdio>
#include <cwchar>

int wmain(int argc, wchar_t** argv) {
    if (argc != 4) {
        std::fputs("usage: hold_file.exe FILE MILLISECONDS READY\n", stderr);
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
    Sleep(static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 10)));
    CloseHandle(held);
    return 0;
}
