#include <iconv.h>

#include <stdexcept>

#include "platform/cp932_converter.h"

namespace bio {

namespace {

// glibc's "CP932" follows the Windows table (NEC and IBM extensions, ① and ㈱);
// strict "SHIFT_JIS" lacks the extensions.
constexpr const char* kCodePage = "CP932";
constexpr const char* kUtf32 = "UTF-32LE";

iconv_t openConverter(const char* to, const char* from) {
    const iconv_t converter = iconv_open(to, from);
    if (converter == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error(std::string("文字コード変換を用意できません: ") + from + " → " +
                                 to);
    return converter;
}

// The whole of `input` converted, or nothing: one character goes in at a time.
// Both encodings are stateless, so a failed call leaves nothing behind for the
// next, and no reset is needed between characters.
std::optional<std::string> convertWhole(iconv_t converter, std::string_view input) {
    char buffer[16];
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    char* out = buffer;
    std::size_t outLeft = sizeof buffer;
    if (iconv(converter, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1) ||
        inLeft != 0)
        return std::nullopt;
    return std::string(buffer, static_cast<std::size_t>(out - buffer));
}

}  // namespace

struct Cp932Converter::System {
    iconv_t toCp932 = openConverter(kCodePage, kUtf32);
    iconv_t fromCp932 = openConverter(kUtf32, kCodePage);
    ~System() {
        iconv_close(toCp932);
        iconv_close(fromCp932);
    }
};

Cp932Converter::Cp932Converter() : system_(std::make_unique<System>()) {}
Cp932Converter::~Cp932Converter() = default;

std::optional<char32_t> Cp932Converter::decode(std::string_view bytes) const {
    const std::optional<std::string> utf32 = convertWhole(system_->fromCp932, bytes);
    if (!utf32 || utf32->size() != 4) return std::nullopt;
    char32_t code = 0;
    for (int i = 3; i >= 0; --i) code = (code << 8) | static_cast<unsigned char>((*utf32)[i]);
    return code;
}

std::string Cp932Converter::encode(char32_t code) const {
    char utf32[4];
    for (int i = 0; i < 4; ++i) utf32[i] = static_cast<char>((code >> (8 * i)) & 0xFF);
    return convertWhole(system_->toCp932, std::string_view(utf32, 4)).value_or("");
}

}  // namespace bio
