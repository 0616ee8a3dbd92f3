#pragma once
// Replacing a whole file so that a failure, a crash or a power cut leaves
// either the old file or the new one, never a mix.

#include <filesystem>
#include <string>

namespace bio {

// Writes `bytes` to a temporary file beside `target`, flushes it to disk and
// renames it over `target`. Returns 0, or the errno of the step that failed;
// the old file is then untouched and no temporary file is left behind.
int replaceFileAtomically(const std::filesystem::path& target, const std::string& bytes);

}  // namespace bio
