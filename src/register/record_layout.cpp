#include "register/record_layout.h"

#include <algorithm>

namespace bio {

namespace {

constexpr std::size_t layoutBytes() {
    std::size_t total = 0;
    for (const auto& field : kRecordFields) total += field.width;
    return total;
}
static_assert(layoutBytes() == kRecordBytes);

// Most fields (numbers, padding, dates) are plain ASCII, which code page 932
// shares byte for byte; skipping the converter for them keeps a full scan cheap.
bool isAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char byte) { return static_cast<unsigned char>(byte) < 0x80; });
}

std::string decodeField(const Cp932& codec, std::string_view raw) {
    std::string bytes(raw);
    std::erase(bytes, '\0');
    return isAscii(bytes) ? bytes : codec.decode(bytes);
}

}  // namespace

std::string_view withoutPadding(std::string_view field) {
    return field.substr(0, field.find_last_not_of(' ') + 1);  // npos + 1 is 0
}

std::string fieldTextBox(std::size_t field) { return "Text" + std::to_string(field + 1); }

std::string encodeRecord(const Cp932& codec, const RegisterRecord& record) {
    std::string bytes;
    bytes.reserve(kRecordBytes);
    for (const auto& field : kRecordFields)
        bytes += codec.encodeField(record.*field.member, field.width);
    return bytes;
}

Status storable(const Cp932& codec, const RegisterRecord& record) {
    std::string texts;
    for (const auto& field : kRecordFields) texts += record.*field.member;
    std::vector<std::string> lacking = codec.lacking(texts);
    if (lacking.empty()) return Done{};
    return UnstorableCharacters{std::move(lacking)};
}

RegisterRecord decodeRecord(const Cp932& codec, std::string_view bytes) {
    RegisterRecord record;
    std::size_t offset = 0;
    for (const auto& field : kRecordFields) {
        record.*field.member = decodeField(codec, bytes.substr(offset, field.width));
        offset += field.width;
    }
    return record;
}

}  // namespace bio
