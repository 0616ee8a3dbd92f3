#pragma once
// The data directory as the files' writers meet it: made on the first write,
// not at start, so that a user who only looks leaves nothing behind.

#include <filesystem>
#include <string_view>

#include "register/storage_error.h"

namespace bio {

// Makes sure `fileName` can be created in `dir`: a missing directory is
// created, with any missing parents, for the user alone. A directory
// that cannot be created or written is a FolderFailure naming the file.
Status prepareDataDirectory(const std::filesystem::path& dir, std::string_view fileName);

}  // namespace bio
