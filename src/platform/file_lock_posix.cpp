#include <sys/file.h>

#include <cerrno>

#include "platform/file.h"

namespace bio {

// flock and not fcntl: its lock belongs to the open file, not to the process,
// so it survives the program opening the file a second time, and two opens in
// one process still exclude each other.
FileResult<bool> File::tryLock(LockKind kind) {
    const int operation = kind == LockKind::Shared ? LOCK_SH : LOCK_EX;
    for (;;) {
        if (::flock(static_cast<int>(handle_), operation | LOCK_NB) == 0) return true;
        if (errno == EINTR) continue;
        if (errno == EWOULDBLOCK) return false;
        return failure(FileStep::Open);
    }
}

void File::unlock() { ::flock(static_cast<int>(handle_), LOCK_UN); }

}  // namespace bio
