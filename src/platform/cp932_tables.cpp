#include "platform/cp932_tables.h"

namespace bio::cp932_tables {

std::vector<Bytes> firstBytesOf(const char16_t (&single)[256],
                                const char16_t (&pair)[kLeads][kTrails]) {
    std::vector<Bytes> bytes(0x10000, kNone);
    const auto take = [&](char16_t code, unsigned encoded) {
        if (code != kNone && bytes[code] == kNone) bytes[code] = static_cast<Bytes>(encoded);
    };
    for (unsigned byte = 0; byte < 256; ++byte) take(single[byte], byte);
    for (unsigned row = 0; row < kLeads; ++row) {
        for (unsigned trail = 0; trail < kTrails; ++trail)
            take(pair[row][trail], leadOfRow(row) << 8 | (kFirstTrail + trail));
    }
    return bytes;
}

}  // namespace bio::cp932_tables
