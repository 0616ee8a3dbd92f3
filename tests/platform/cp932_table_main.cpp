// Prints what the code page 932 codec makes of every single byte, every pair
// of bytes and every character of the Basic Multilingual Plane, one line
// each, into the file named by the first argument: the same file on every
// platform means the same codec on every platform.

#include <fstream>
#include <iostream>
#include <string>

#include "platform/path.h"
#include "platform/program_entry.h"
#include "state/cp932.h"
#include "state/utf8.h"

namespace {

std::string hex(std::string_view bytes) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (!text.empty()) text += ' ';
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0xF];
    }
    return text;
}

}  // namespace

int bio::programMain(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        std::cerr << "使い方: cp932_table 出力ファイル\n";
        return 2;
    }
    std::ofstream out(pathFromUtf8(args[0]), std::ios::binary);
    const Cp932 codec;
    for (unsigned byte = 0; byte < 0x100; ++byte) {
        const std::string one(1, static_cast<char>(byte));
        out << "decode " << hex(one) << ": " << hex(codec.decode(one)) << '\n';
    }
    for (unsigned pair = 0; pair < 0x10000; ++pair) {
        const std::string two{static_cast<char>(pair >> 8), static_cast<char>(pair & 0xFF)};
        out << "decode " << hex(two) << ": " << hex(codec.decode(two)) << '\n';
    }
    for (char32_t code = 0; code < 0x10000; ++code) {
        std::string utf8;  // surrogates too, as their three bytes
        appendUtf8(utf8, code);
        out << "encode " << hex(utf8) << ": " << hex(codec.encode(utf8)) << '\n';
    }
    out.close();
    if (!out) {
        std::cerr << args[0] << " に書き込めません\n";
        return 1;
    }
    return 0;
}
