#pragma once
// Whether this system can start a program at the user's login at all: a
// desktop can, a program in a browser cannot.

#include <optional>
#include <string>

namespace bio {

// Why no login item can be made here, as the user is told; nothing where one can.
std::optional<std::string> loginItemsUnavailable();

}  // namespace bio
