#include <unistd.h>

#include "platform/file_sync.h"

namespace bio {

int syncToDisk(int descriptor) { return ::fsync(descriptor); }

}  // namespace bio
