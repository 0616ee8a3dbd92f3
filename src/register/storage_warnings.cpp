#include "register/storage_warnings.h"

namespace bio {

void warn(Program& p, const StorageError& error) { warn(p, describe(error)); }

}  // namespace bio
