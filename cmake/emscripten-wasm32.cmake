# The core for WebAssembly, with Debian's emscripten: the web build.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

# Libraries made for the web by scripts/cross-deps are found in the build's
# prefix, beside emscripten's own.
if(BIO_WEB_PREFIX)
  list(APPEND CMAKE_FIND_ROOT_PATH ${BIO_WEB_PREFIX})
endif()

# Failures are exceptions, caught at each front end's boundary: emscripten
# leaves them out unless asked, at every compile and at the link.
set(CMAKE_CXX_FLAGS_INIT -fexceptions)
set(CMAKE_EXE_LINKER_FLAGS_INIT -fexceptions)

# Debian's em++ runs its JavaScript optimiser with the machine's node, which
# does not look in /usr/share/nodejs, where Debian's node-acorn lives: without
# it every optimised link fails with "Cannot find module 'acorn'".
set(CMAKE_C_LINKER_LAUNCHER env NODE_PATH=/usr/share/nodejs)
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_C_LINKER_LAUNCHER})
