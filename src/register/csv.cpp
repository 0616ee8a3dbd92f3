#include "register/csv.h"

#include <algorithm>

#include "state/utf8.h"

namespace bio {

namespace {

constexpr std::string_view kReplacementUtf8 =
    "\xEF\xBF\xBD";  // what cp932 decoding puts for no character

// Bytes of the line break at `pos`, 0 when none is there.
std::size_t lineBreakAt(std::string_view text, std::size_t pos) {
    if (text[pos] == '\n') return 1;
    if (text[pos] != '\r') return 0;
    return pos + 1 < text.size() && text[pos + 1] == '\n' ? 2 : 1;
}

// Reads the field at `pos` up to the comma or line break that ends it (left
// at `pos`); `line` follows the line breaks inside quotes.
std::string readField(std::string_view text, std::size_t& pos, int& line) {
    std::string field;
    const bool quoted = pos < text.size() && text[pos] == '"';
    if (quoted) ++pos;
    bool open = quoted;
    while (pos < text.size()) {
        const char c = text[pos];
        if (!open) {
            if (c == ',' || lineBreakAt(text, pos) > 0) break;
            field += c;
            ++pos;
        } else if (c == '"') {
            const bool doubled = pos + 1 < text.size() && text[pos + 1] == '"';
            if (doubled) field += '"';
            open = doubled;
            pos += doubled ? 2 : 1;
        } else if (const std::size_t lineBreak = lineBreakAt(text, pos)) {
            field.append(text.substr(pos, lineBreak));
            pos += lineBreak;
            ++line;
        } else {
            field += c;
            ++pos;
        }
    }
    return field;
}

std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

bool isControlByte(char byte) {
    const auto b = static_cast<unsigned char>(byte);
    return (b < 0x20 && byte != '\t' && byte != '\n' && byte != '\r') || b == 0x7F;
}

}  // namespace

std::vector<CsvRow> parseCsv(std::string_view text) {
    std::vector<CsvRow> rows;
    int line = 1;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (const std::size_t lineBreak = lineBreakAt(text, pos)) {
            pos += lineBreak;  // an empty line
            ++line;
            continue;
        }
        CsvRow row{line, {}};
        for (;;) {
            row.fields.push_back(readField(text, pos, line));
            if (pos >= text.size() || text[pos] != ',') break;
            ++pos;
        }
        if (pos < text.size()) {
            pos += lineBreakAt(text, pos);
            ++line;
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string csvLine(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) line += ',';
        line += csvField(fields[i]);
    }
    return line + "\r\n";
}

std::optional<std::string> csvText(const Cp932& codec, std::string_view bytes) {
    if (std::any_of(bytes.begin(), bytes.end(), isControlByte)) return std::nullopt;
    if (isValidUtf8(bytes)) {
        if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
        return std::string(bytes);
    }
    std::string text = codec.decode(bytes);
    if (text.find(kReplacementUtf8) != std::string::npos) return std::nullopt;
    return text;
}

}  // namespace bio
