#include "platform/file.h"

namespace bio {

// Neither the browser nor node's file system has a lock on a file: every lock
// is granted at once. A page's files live in the page's own memory, copied
// from the browser's storage, and two tabs of the page are kept apart by the
// page itself (the browser's Web Locks, one lock for each command). So the
// script driver under node must not share its folder with a running program.
FileResult<bool> File::tryLock(LockKind) { return true; }

void File::unlock() {}

}  // namespace bio
