#include <cerrno>

#include "platform/login_values.h"

namespace bio {

bool loginItemsAreValues() { return false; }

FileStatus writeLoginValue(const std::string& name, const std::string&) {
    return FileFailure{name, FileStep::Write, ENOTSUP};
}

FileStatus removeLoginValue(const std::string&) { return Done{}; }

bool loginValueExists(const std::string&) { return false; }

}  // namespace bio
