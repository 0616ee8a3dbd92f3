#pragma once
// The data directory as the files' writers meet it: made on the first write,
// not at start, so that a user who only looks leaves nothing behind.

#include <string_view>

namespace bio {

class Program;

// Makes sure `fileName` can be created in the data directory: a missing
// directory is created, with any missing parents, for the user alone (0700).
// A directory that cannot be created or written is named to the user, with
// the reason, in a message box titled "誤り警告"; the result is then false.
bool prepareDataDirectory(Program& p, std::string_view fileName);

}  // namespace bio
