#include "state/cp932.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "platform/cp932_converter.h"
#include "state/utf8.h"

namespace bio {

namespace {

constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";  // U+FFFD
constexpr char32_t kNoCharacter = 0xFFFFFFFF;
constexpr std::uint16_t kNoBytes = 0xFFFF;  // no trail byte is 0xFF

bool isLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool isTrailByte(unsigned char byte) {
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

// Bytes of the code page 932 character starting at `pos`, assuming it is
// well formed (as the encoder's own output is).
std::size_t cp932Length(std::string_view bytes, std::size_t pos) {
    const bool pair = isLeadByte(static_cast<unsigned char>(bytes[pos])) && pos + 1 < bytes.size();
    return pair ? 2 : 1;
}

// Every character of the code page, each way, asked of the system's converter
// once per process, the first time that way is needed (a start that writes
// nothing never pays for the encoder's). The tables never change after, so
// every codec shares them, and the loops below alone decide where a character
// begins and ends: the same on every platform, whatever the system's
// converter does with a run of bad bytes.
struct DecodeTable {
    std::array<char32_t, 256> single{};
    std::vector<char32_t> pair = std::vector<char32_t>(0x10000, kNoCharacter);  // lead << 8 | trail

    DecodeTable() {
        const Cp932Converter system;
        for (unsigned byte = 0; byte < 256; ++byte) {
            const char one = static_cast<char>(byte);
            single[byte] = system.decode(std::string_view(&one, 1)).value_or(kNoCharacter);
            if (!isLeadByte(static_cast<unsigned char>(byte))) continue;
            for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
                if (!isTrailByte(static_cast<unsigned char>(trail))) continue;
                const char two[2] = {one, static_cast<char>(trail)};
                pair[byte << 8 | trail] =
                    system.decode(std::string_view(two, 2)).value_or(kNoCharacter);
            }
        }
    }
};

// The bytes of each BMP character: one byte as 0x00XX, two as lead << 8 | trail.
struct EncodeTable {
    std::vector<std::uint16_t> bytes = std::vector<std::uint16_t>(0x10000, kNoBytes);

    EncodeTable() {
        const Cp932Converter system;
        for (char32_t code = 0; code < 0x10000; ++code) {
            if (code >= 0xD800 && code <= 0xDFFF) continue;  // no character
            const std::string encoded = system.encode(code);
            if (encoded.size() == 1) bytes[code] = static_cast<unsigned char>(encoded[0]);
            if (encoded.size() == 2)
                bytes[code] =
                    static_cast<std::uint16_t>(static_cast<unsigned char>(encoded[0]) << 8 |
                                               static_cast<unsigned char>(encoded[1]));
        }
    }
};

const DecodeTable& decodeTable() {
    static const DecodeTable built;
    return built;
}

const EncodeTable& encodeTable() {
    static const EncodeTable built;
    return built;
}

// The code page's bytes for a character, kNoBytes where it lacks one (and
// for a stray byte).
std::uint16_t bytesOf(const Utf8Char& c) {
    return c.code < 0x10000 && c.valid ? encodeTable().bytes[c.code] : kNoBytes;
}

}  // namespace

std::string Cp932::encode(std::string_view utf8) const {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const Utf8Char c = utf8CharAt(utf8, pos);
        pos += c.length;
        // One '?' per character the code page lacks (and per stray byte).
        const std::uint16_t bytes = bytesOf(c);
        if (bytes == kNoBytes) {
            out += '?';
        } else {
            if (bytes > 0xFF) out += static_cast<char>(bytes >> 8);
            out += static_cast<char>(bytes & 0xFF);
        }
    }
    return out;
}

std::string Cp932::decode(std::string_view bytes) const {
    const DecodeTable& table = decodeTable();
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t pos = 0; pos < bytes.size();) {
        // A lead byte with a proper trail byte is one character, assigned or
        // not; a lead byte followed by anything else is replaced alone, so
        // that the blank, quote or comma behind it survives.
        const auto lead = static_cast<unsigned char>(bytes[pos]);
        const bool pair = isLeadByte(lead) && pos + 1 < bytes.size() &&
                          isTrailByte(static_cast<unsigned char>(bytes[pos + 1]));
        const char32_t code =
            pair ? table.pair[lead << 8 | static_cast<unsigned char>(bytes[pos + 1])]
                 : table.single[lead];
        pos += pair ? 2 : 1;
        if (code == kNoCharacter) {
            out += kReplacementUtf8;
        } else {
            appendUtf8(out, code);
        }
    }
    return out;
}

std::vector<std::string> Cp932::lacking(std::string_view utf8) const {
    std::vector<std::string> characters;
    for (std::size_t pos = 0; pos < utf8.size();) {
        const Utf8Char c = utf8CharAt(utf8, pos);
        const std::string character(c.valid ? utf8.substr(pos, c.length) : kReplacementUtf8);
        pos += c.length;
        if (bytesOf(c) == kNoBytes &&
            std::find(characters.begin(), characters.end(), character) == characters.end())
            characters.push_back(character);
    }
    return characters;
}

std::size_t Cp932::width(std::string_view utf8) const { return encode(utf8).size(); }

std::string Cp932::encodeField(std::string_view utf8, std::size_t width) const {
    std::string bytes = encode(utf8);
    std::size_t kept = 0;
    while (kept < bytes.size()) {
        const std::size_t next = kept + cp932Length(bytes, kept);
        if (next > width) break;
        kept = next;
    }
    bytes.resize(kept);
    bytes.resize(width, ' ');
    return bytes;
}

}  // namespace bio
