#pragma once

#include <string>
#include <string_view>

namespace bio {

// The name-based (version 5, SHA-1) UUID of `name` in the namespace given as
// its 36-character text, in lower case: the same name gives the same UUID.
std::string nameBasedUuid(std::string_view namespaceText, std::string_view name);

}  // namespace bio
