#include "state/cp932.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>
#include <string>

#include "state/utf8.h"

namespace bio {

namespace {

// glibc's "CP932" follows the Windows table (NEC and IBM extensions, ① and ㈱)
// and also accepts the JIS forms of the few characters Windows maps elsewhere
// (〜 U+301C, − U+2212); strict "SHIFT_JIS" lacks the extensions.
constexpr const char* kCodePage = "CP932";
constexpr const char* kUtf8 = "UTF-8";
constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";  // U+FFFD

iconv_t handle(void* converter) { return static_cast<iconv_t>(converter); }

void* openConverter(const char* to, const char* from) {
    const iconv_t converter = iconv_open(to, from);
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        throw std::runtime_error(std::string("文字コード変換を用意できません: ") + from + " → " +
                                 to);
    }
    return converter;
}

bool isLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool isTrailByte(unsigned char byte) {
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

// Bytes of the UTF-8 character starting at `pos`; a byte that is no UTF-8
// counts alone, so the text behind it is kept.
std::size_t utf8Length(std::string_view text, std::size_t pos) {
    return utf8CharAt(text, pos).length;
}

// Bytes of the code page 932 character starting at `pos`, assuming it is
// well formed (as iconv's own output is).
std::size_t cp932Length(std::string_view bytes, std::size_t pos) {
    const bool pair = isLeadByte(static_cast<unsigned char>(bytes[pos])) && pos + 1 < bytes.size();
    return pair ? 2 : 1;
}

// Runs `converter` over `input`. Where it stops at something it cannot
// convert, `skip` says how many input bytes that is and `replacement` is
// written in its place; conversion then goes on behind it.
template <typename Skip>
std::string convert(iconv_t converter, std::string_view input, std::string_view replacement,
                    Skip skip) {
    iconv(converter, nullptr, nullptr, nullptr, nullptr);  // reset shift state
    std::string output;
    char buffer[1024];
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    while (inLeft > 0) {
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
        output.append(buffer, static_cast<std::size_t>(out - buffer));
        if (result != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
        // EILSEQ (invalid or unconvertible) or EINVAL (cut short at the end).
        const std::size_t consumed = static_cast<std::size_t>(in - input.data());
        const std::size_t count = std::min(skip(input, consumed), inLeft);
        output += replacement;
        in += count;
        inLeft -= count;
    }
    return output;
}

}  // namespace

Cp932::Cp932()
    : toCp932_(openConverter(kCodePage, kUtf8)), fromCp932_(openConverter(kUtf8, kCodePage)) {}

Cp932::~Cp932() {
    iconv_close(handle(toCp932_));
    iconv_close(handle(fromCp932_));
}

std::string Cp932::encode(std::string_view utf8) const {
    // One '?' per character the code page lacks (and per stray byte).
    return convert(handle(toCp932_), utf8, "?", utf8Length);
}

std::string Cp932::decode(std::string_view bytes) const {
    // A lead byte with a proper trail byte is one (unassigned) character; a lead
    // byte followed by anything else is replaced alone, so that the blank,
    // quote or comma behind it survives.
    return convert(handle(fromCp932_), bytes, kReplacementUtf8,
                   [](std::string_view text, std::size_t pos) -> std::size_t {
                       const auto lead = static_cast<unsigned char>(text[pos]);
                       const bool pair = isLeadByte(lead) && pos + 1 < text.size() &&
                                         isTrailByte(static_cast<unsigned char>(text[pos + 1]));
                       return pair ? 2 : 1;
                   });
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
