#include <system_error>

#include "platform/places.h"

namespace bio {

std::filesystem::path executableDir() {
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : executable.parent_path();
}

}  // namespace bio
