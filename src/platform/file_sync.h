#pragma once
// How the POSIX file code takes what a descriptor wrote to the disk: fsync,
// which emscripten's C library leaves undone under node (the web build's own
// takes it to the real file there).

namespace bio {

// 0, or -1 with errno set.
int syncToDisk(int descriptor);

}  // namespace bio
