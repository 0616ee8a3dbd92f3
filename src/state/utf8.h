#pragma once
// The one UTF-8 decoder. Every text in the program is UTF-8 (the code page 932
// files are converted at the file's edge); wherever a text is taken apart by
// character, it is taken apart here, by one rule for bytes that are not UTF-8.

#include <cstddef>
#include <string>
#include <string_view>

namespace bio {

// One character of a UTF-8 text.
struct Utf8Char {
    char32_t code = 0;
    std::size_t length = 0;  // bytes, 1..4
    bool valid = true;
};

inline constexpr char32_t kReplacementCharacter = U'\uFFFD';

// The character that starts at `pos` (< text.size()). A byte that opens no
// well-formed sequence (a stray continuation byte, a cut-short, overlong or
// surrogate sequence, a code point past U+10FFFF) is one invalid character of
// one byte, read as U+FFFD, so that the text behind it is kept.
Utf8Char utf8CharAt(std::string_view text, std::size_t pos);

// The one rule for blank characters in typed text: the half-width blank, the
// tab and the ideographic space U+3000.
constexpr bool isBlank(char32_t c) { return c == U' ' || c == U'\t' || c == U'\u3000'; }

// The text without the blanks at its front and at its back.
std::string_view trimBlanks(std::string_view text);

// Appends the UTF-8 bytes of `code`, as they are for any value up to
// U+10FFFF (surrogates too, which the tables of every BMP value need).
void appendUtf8(std::string& out, char32_t code);

// Whether every byte belongs to a well-formed character.
bool isValidUtf8(std::string_view text);

// Bytes taken by the first `count` characters (the whole text when shorter).
std::size_t utf8PrefixBytes(std::string_view text, std::size_t count);

// Calls `visit(const Utf8Char&)` for each character in order; stops early when
// it returns false.
template <typename Visit>
void forEachUtf8Char(std::string_view text, Visit visit) {
    for (std::size_t pos = 0; pos < text.size();) {
        const Utf8Char c = utf8CharAt(text, pos);
        if (!visit(c)) return;
        pos += c.length;
    }
}

}  // namespace bio
