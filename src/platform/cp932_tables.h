#pragma once
// Code page 932 as tables, for the web build, whose C library has no
// converter for it: generated at build time (cmake/cp932_tables_generator.cpp)
// from the converter of the machine that builds, glibc's "CP932", so that the
// web build reads and writes every byte as the POSIX build does.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace bio::cp932_tables {

// No character for the bytes, or no bytes for the character.
constexpr std::uint16_t kNone = 0xFFFF;

// A character's bytes as one number: one byte as 0x00XX, two as lead << 8 | trail.
using Bytes = std::uint16_t;

// Lead bytes 0x81..0x9F, then 0xE0..0xFC; each with trail bytes 0x40..0xFC.
constexpr unsigned kLowLeads = 0x9F - 0x81 + 1;
constexpr unsigned kLeads = kLowLeads + (0xFC - 0xE0 + 1);
constexpr unsigned kFirstTrail = 0x40;
constexpr unsigned kTrails = 0xFC - kFirstTrail + 1;

// The lead byte's row in kPair; -1 for a byte that leads no pair.
constexpr int leadRow(unsigned byte) {
    if (byte >= 0x81 && byte <= 0x9F) return static_cast<int>(byte - 0x81);
    if (byte >= 0xE0 && byte <= 0xFC) return static_cast<int>(kLowLeads + byte - 0xE0);
    return -1;
}

constexpr unsigned leadOfRow(unsigned row) {
    return row < kLowLeads ? 0x81 + row : 0xE0 + row - kLowLeads;
}

// Where the converter gives other bytes for a character than the first that
// decode to it, or none although some do: ¥ as 0x5C, the duplicates of the
// NEC and IBM rows as the converter chooses them.
struct OtherBytes {
    char16_t code;
    Bytes bytes;
};

// The character of each single byte, and of each lead byte with a trail byte.
extern const char16_t kSingle[256];
extern const char16_t kPair[kLeads][kTrails];
extern const OtherBytes kOtherBytes[];
extern const std::size_t kOtherBytesCount;

// The bytes of each character of the Basic Multilingual Plane that the tables
// decode: the first that decode to it, single bytes before pairs, pairs in
// the order of their bytes; kNone for the others.
std::vector<Bytes> firstBytesOf(const char16_t (&single)[256],
                                const char16_t (&pair)[kLeads][kTrails]);

}  // namespace bio::cp932_tables
