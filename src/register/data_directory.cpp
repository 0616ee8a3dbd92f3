#include "register/data_directory.h"

#include <system_error>

#include "platform/file.h"

namespace bio {

Status prepareDataDirectory(const std::filesystem::path& dir, std::string_view fileName) {
    std::error_code ignored;
    const bool existed = std::filesystem::is_directory(dir, ignored);
    const FileStatus ready = existed ? folderWritable(dir) : makeFolders(dir);
    if (ready) return Done{};
    return FolderFailure{std::string(fileName), dir, existed, ready.error().code};
}

}  // namespace bio
