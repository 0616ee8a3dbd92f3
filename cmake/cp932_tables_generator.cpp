// Usage: cp932_tables_generator FILE
// Writes the web build's code page 932 tables (platform/cp932_tables.h) into
// FILE as C++, from the converter of the machine that builds: glibc's
// "CP932", asked as the POSIX build asks it. Built for that machine and run
// there while the web build is made.

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "platform/cp932_converter.h"
#include "platform/cp932_tables.h"

namespace {

namespace tables = bio::cp932_tables;

char16_t single[256];
char16_t pair[tables::kLeads][tables::kTrails];

// The character the converter makes of the bytes, where the tables can hold it.
bool decode(const bio::Cp932Converter& converter, std::string_view bytes, char16_t& code) {
    const std::optional<char32_t> decoded = converter.decode(bytes);
    if (decoded && *decoded >= tables::kNone) return false;
    code = decoded ? static_cast<char16_t>(*decoded) : tables::kNone;
    return true;
}

tables::Bytes bytesOf(const std::string& encoded) {
    if (encoded.size() == 1) return static_cast<unsigned char>(encoded[0]);
    if (encoded.size() == 2)
        return static_cast<tables::Bytes>(static_cast<unsigned char>(encoded[0]) << 8 |
                                          static_cast<unsigned char>(encoded[1]));
    return tables::kNone;
}

void writeNumbers(std::ostream& out, const char16_t* numbers, std::size_t count) {
    char text[8];
    for (std::size_t i = 0; i < count; ++i) {
        std::snprintf(text, sizeof text, "0x%04X,", static_cast<unsigned>(numbers[i]));
        out << text << (i % 12 == 11 || i + 1 == count ? "\n" : " ");
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: cp932_tables_generator FILE\n");
        return 2;
    }
    const bio::Cp932Converter converter;
    bool held = true;
    for (unsigned byte = 0; byte < 256; ++byte) {
        const char one = static_cast<char>(byte);
        held = held && decode(converter, std::string_view(&one, 1), single[byte]);
    }
    for (unsigned row = 0; row < tables::kLeads; ++row) {
        for (unsigned trail = 0; trail < tables::kTrails; ++trail) {
            const char two[2] = {static_cast<char>(tables::leadOfRow(row)),
                                 static_cast<char>(tables::kFirstTrail + trail)};
            held = held && decode(converter, std::string_view(two, 2), pair[row][trail]);
        }
    }
    if (!held) {
        std::fprintf(stderr, "cp932_tables_generator: a character beyond U+FFFE\n");
        return 1;
    }
    const std::vector<tables::Bytes> first = tables::firstBytesOf(single, pair);
    std::vector<tables::OtherBytes> other;
    for (char32_t code = 0; code < 0x10000; ++code) {
        if (code >= 0xD800 && code <= 0xDFFF) continue;  // no character
        const tables::Bytes bytes = bytesOf(converter.encode(code));
        if (bytes != first[code]) other.push_back({static_cast<char16_t>(code), bytes});
    }

    std::ofstream out(argv[1], std::ios::binary);
    out << "// Generated from glibc's \"CP932\" by cmake/cp932_tables_generator.cpp.\n"
           "#include \"platform/cp932_tables.h\"\n\n"
           "namespace bio::cp932_tables {\n\n"
           "const char16_t kSingle[256] = {\n";
    writeNumbers(out, single, 256);
    out << "};\n\nconst char16_t kPair[kLeads][kTrails] = {\n";
    for (unsigned row = 0; row < tables::kLeads; ++row) {
        out << "{\n";
        writeNumbers(out, pair[row], tables::kTrails);
        out << "},\n";
    }
    out << "};\n\nconst OtherBytes kOtherBytes[] = {\n";
    char text[32];
    for (const tables::OtherBytes& entry : other) {
        std::snprintf(text, sizeof text, "{0x%04X, 0x%04X},\n", static_cast<unsigned>(entry.code),
                      static_cast<unsigned>(entry.bytes));
        out << text;
    }
    out << "};\nconst std::size_t kOtherBytesCount = " << other.size() << ";\n\n"
        << "}  // namespace bio::cp932_tables\n";
    out.close();
    if (!out) {
        std::fprintf(stderr, "cp932_tables_generator: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
