# The core for 64-bit Windows, cross-built with Debian's MinGW-w64: the POSIX
# threads flavour, whose libstdc++ has std::thread and std::mutex.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(BIO_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${BIO_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${BIO_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${BIO_MINGW_TRIPLE}-windres)

# Headers, libraries and packages come from MinGW's own tree and from the
# build's prefix of libraries made for Windows (scripts/cross-deps), never
# from the Linux system; programs (perl, python) from the Linux system.
set(CMAKE_FIND_ROOT_PATH /usr/${BIO_MINGW_TRIPLE})
if(BIO_WINDOWS_PREFIX)
  list(APPEND CMAKE_FIND_ROOT_PATH ${BIO_WINDOWS_PREFIX})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Each .exe stands alone: libstdc++, libgcc and winpthread linked in, so that
# nothing but Windows' own DLLs has to travel beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# What the build runs (GoogleTest's test listing, every test) runs under Wine,
# in the build's own prefixes.
cmake_path(GET CMAKE_CURRENT_LIST_DIR PARENT_PATH BIO_MINGW_SOURCE_DIR)
set(CMAKE_CROSSCOMPILING_EMULATOR
    env BIO_WINE_ROOT=${CMAKE_BINARY_DIR}/wine ${BIO_MINGW_SOURCE_DIR}/tests/wine/wine_run.sh)
