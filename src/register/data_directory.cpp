#include "register/data_directory.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace bio {

namespace {

// mkdir -p with mode 0700; 0 or the errno of the step that failed.
int makeDirectories(const std::filesystem::path& dir) {
    struct stat status {};
    if (::stat(dir.c_str(), &status) == 0) return S_ISDIR(status.st_mode) ? 0 : ENOTDIR;
    if (errno != ENOENT) return errno;
    const std::filesystem::path parent = dir.parent_path();
    if (!parent.empty() && parent != dir) {
        if (int error = makeDirectories(parent)) return error;
    }
    if (::mkdir(dir.c_str(), S_IRWXU) != 0 && errno != EEXIST) return errno;
    return 0;
}

}  // namespace

Status prepareDataDirectory(const std::filesystem::path& dir, std::string_view fileName) {
    std::error_code ignored;
    const bool existed = std::filesystem::is_directory(dir, ignored);
    const int error = !existed                           ? makeDirectories(dir)
                      : ::access(dir.c_str(), W_OK) != 0 ? errno
                                                         : 0;
    if (error == 0) return Done{};
    return FolderFailure{std::string(fileName), dir, existed, error};
}

}  // namespace bio
