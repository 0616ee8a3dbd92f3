#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace bio {

// FNV-1a (64 bits) of `bytes`, as its last `digits` hexadecimal digits (at
// most 16): a short name or checksum that the same bytes always repeat.
std::string fnv1aHex(std::string_view bytes, std::size_t digits);

}  // namespace bio
