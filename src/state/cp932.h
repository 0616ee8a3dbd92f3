#pragma once
// Code page 932 (Shift_JIS as Windows uses it), the encoding of both data files.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace bio {

// Its tables come from the system's converter on first use, shared by every codec.
class Cp932 {
  public:
    // UTF-8 to code page 932; each character the code page lacks becomes one '?'.
    std::string encode(std::string_view utf8) const;
    // Code page 932 to UTF-8; bytes that form no character become U+FFFD (an
    // unassigned double-byte code once, a stray or trailing lead byte alone).
    std::string decode(std::string_view bytes) const;
    // The characters of a UTF-8 text the code page lacks, which encode() turns
    // into '?': each once, in the text's order (a byte that is no UTF-8 as U+FFFD).
    std::vector<std::string> lacking(std::string_view utf8) const;
    // Bytes the text takes in code page 932.
    std::size_t width(std::string_view utf8) const;
    // Exactly `width` bytes: the encoded text, cut without splitting a double-byte
    // character (one that does not fit is left out), padded with blanks (0x20).
    std::string encodeField(std::string_view utf8, std::size_t width) const;
};

}  // namespace bio
