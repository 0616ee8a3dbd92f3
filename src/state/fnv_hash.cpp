#include "state/fnv_hash.h"

#include <cstdint>

namespace bio {

std::string fnv1aHex(std::string_view bytes, std::size_t digits) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const unsigned char byte : bytes) {
        hash ^= byte;
        hash *= 1099511628211ULL;
    }
    std::string text(digits, '0');
    for (std::size_t i = digits; i-- > 0; hash >>= 4) text[i] = "0123456789abcdef"[hash & 15];
    return text;
}

}  // namespace bio
