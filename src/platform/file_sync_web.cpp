#include <emscripten.h>

#include <cerrno>

#include "platform/file_sync.h"

namespace bio {

namespace {

// emscripten's fsync does nothing on node's real files: the file's own
// descriptor is flushed here, so that a write has reached the disk before the
// program says it is done. 0, or the errno of the failure. In a browser the
// files live in the page's memory, and the page stores them itself.
// clang-format off
EM_JS(int, syncNodeFile, (int descriptor), {
    const stream = FS.getStream(descriptor);
    if (!stream || stream.nfd === undefined) return 0;
    try {
        require("fs").fsyncSync(stream.nfd);
        return 0;
    } catch (e) {
        return ERRNO_CODES[e.code] || ERRNO_CODES.EIO;
    }
});
// clang-format on

}  // namespace

int syncToDisk(int descriptor) {
    const int code = syncNodeFile(descriptor);
    if (code == 0) return 0;
    errno = code;
    return -1;
}

}  // namespace bio
