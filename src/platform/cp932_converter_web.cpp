#include <vector>

#include "platform/cp932_converter.h"
#include "platform/cp932_tables.h"

namespace bio {

namespace tables = cp932_tables;

// musl's iconv, the web build's, knows plain JIS X 0208 alone (no ①, ㈱, 髙
// or 﨑): tables generated from glibc's converter stand in for it.
struct Cp932Converter::System {
    std::vector<tables::Bytes> encoded = tables::firstBytesOf(tables::kSingle, tables::kPair);

    System() {
        for (std::size_t i = 0; i < tables::kOtherBytesCount; ++i)
            encoded[tables::kOtherBytes[i].code] = tables::kOtherBytes[i].bytes;
    }
};

Cp932Converter::Cp932Converter() : system_(std::make_unique<System>()) {}
Cp932Converter::~Cp932Converter() = default;

std::optional<char32_t> Cp932Converter::decode(std::string_view bytes) const {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    char16_t code = tables::kNone;
    if (bytes.size() == 1) code = tables::kSingle[byte(0)];
    if (bytes.size() == 2) {
        const int row = tables::leadRow(byte(0));
        const unsigned trail = byte(1) - tables::kFirstTrail;  // wraps below the first
        if (row >= 0 && trail < tables::kTrails) code = tables::kPair[row][trail];
    }
    if (code == tables::kNone) return std::nullopt;
    return code;
}

std::string Cp932Converter::encode(char32_t code) const {
    if (code >= system_->encoded.size()) return {};
    const tables::Bytes bytes = system_->encoded[code];
    if (bytes == tables::kNone) return {};
    if (bytes > 0xFF) return {static_cast<char>(bytes >> 8), static_cast<char>(bytes & 0xFF)};
    return std::string(1, static_cast<char>(bytes));
}

}  // namespace bio
