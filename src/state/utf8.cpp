#include "state/utf8.h"

#include <array>

namespace bio {

namespace {

// Bytes in the sequence this lead byte opens; 0 for a byte that opens none
// (a continuation byte, or C0, C1, F5..FF, which only overlong or
// out-of-range sequences could begin with).
std::size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

constexpr Utf8Char kInvalidByte{kReplacementCharacter, 1, false};

}  // namespace

Utf8Char utf8CharAt(std::string_view text, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    const std::size_t length = sequenceLength(lead);
    if (length == 0 || pos + length > text.size()) return kInvalidByte;
    char32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80) return kInvalidByte;
        code = (code << 6) | (next & 0x3F);
    }
    // The shortest form only, and no surrogates or code points past U+10FFFF.
    constexpr std::array<char32_t, 5> kSmallest{0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return kInvalidByte;
    return {code, length, true};
}

bool isValidUtf8(std::string_view text) {
    bool valid = true;
    forEachUtf8Char(text, [&](const Utf8Char& c) { return valid = c.valid; });
    return valid;
}

std::size_t utf8PrefixBytes(std::string_view text, std::size_t count) {
    std::size_t bytes = 0;
    forEachUtf8Char(text, [&](const Utf8Char& c) {
        if (count == 0) return false;
        --count;
        bytes += c.length;
        return true;
    });
    return bytes;
}

std::string_view trimBlanks(std::string_view text) {
    std::size_t front = 0;
    while (front < text.size()) {
        const Utf8Char c = utf8CharAt(text, front);
        if (!isBlank(c.code)) break;
        front += c.length;
    }
    text.remove_prefix(front);
    // From the back by bytes: no other character ends in the bytes of a blank.
    for (;;) {
        if (text.ends_with(' ') || text.ends_with('\t')) {
            text.remove_suffix(1);
        } else if (text.ends_with("\u3000")) {
            text.remove_suffix(3);
        } else {
            return text;
        }
    }
}

void appendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

}  // namespace bio
