#include <windows.h>

#include <algorithm>
#include <iterator>

#include "platform/cp932_converter.h"

namespace bio {

namespace {

constexpr UINT kCodePage = 932;

// Where Windows' code page 932 and glibc's "CP932" part, the program follows
// glibc's, so that a file reads and writes the same on every platform.
enum class Difference {
    AlsoEncoded,  // glibc also encodes the character as bytes that decode to another
    Unassigned,   // Windows maps the byte and the character both ways, glibc neither
};

struct FixUp {
    char32_t code;
    std::string_view bytes;
    Difference difference;
};

constexpr FixUp kFixUps[] = {
    {U'\u301C', "\x81\x60", Difference::AlsoEncoded},  // 〜 wave dash, as ～ fullwidth tilde
    {U'\u2212', "\x81\x7C", Difference::AlsoEncoded},  // − minus sign, as － fullwidth hyphen-minus
    {U'\u2016', "\x81\x61", Difference::AlsoEncoded},  // ‖ double vertical line, as ∥ parallel to
    {U'\u00A2', "\x81\x91", Difference::AlsoEncoded},  // ¢, as ￠ fullwidth cent sign
    {U'\u00A3', "\x81\x92", Difference::AlsoEncoded},  // £, as ￡ fullwidth pound sign
    {U'\u00AC', "\x81\xCA", Difference::AlsoEncoded},  // ¬, as ￢ fullwidth not sign
    {U'\u2014', "\x81\x5C", Difference::AlsoEncoded},  // — em dash, as ― horizontal bar
    {U'\u00A5', "\x5C", Difference::AlsoEncoded},      // ¥, as 0x5C, the yen sign in Japan
    {U'\u203E', "\x7E", Difference::AlsoEncoded},      // ‾ overline, as 0x7E, shown so in Japan
    {U'\u0080', "\x80", Difference::Unassigned},       // a C1 control code, not a character
    {U'\uF8F0', "\xA0", Difference::Unassigned},       // private-use stand-ins for the bytes
    {U'\uF8F1', "\xFD", Difference::Unassigned},       //   that the JIS table leaves empty:
    {U'\uF8F2', "\xFE", Difference::Unassigned},       //   data written on Windows would not
    {U'\uF8F3', "\xFF", Difference::Unassigned},       //   read back on POSIX
};

template <typename Matches>
const FixUp* findFixUp(Matches matches) {
    const FixUp* found = std::find_if(std::begin(kFixUps), std::end(kFixUps), matches);
    return found == std::end(kFixUps) ? nullptr : found;
}

}  // namespace

// Windows keeps its converters itself: there is nothing to open or close.
struct Cp932Converter::System {};

Cp932Converter::Cp932Converter() : system_(std::make_unique<System>()) {}
Cp932Converter::~Cp932Converter() = default;

std::optional<char32_t> Cp932Converter::decode(std::string_view bytes) const {
    if (findFixUp([&](const FixUp& f) {
            return f.difference == Difference::Unassigned && f.bytes == bytes;
        }))
        return std::nullopt;
    wchar_t wide[2];
    const int length = MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes.data(),
                                           static_cast<int>(bytes.size()), wide, 2);
    if (length != 1) return std::nullopt;
    return static_cast<char32_t>(wide[0]);
}

std::string Cp932Converter::encode(char32_t code) const {
    if (const FixUp* fixUp = findFixUp([&](const FixUp& f) { return f.code == code; }))
        return fixUp->difference == Difference::AlsoEncoded ? std::string(fixUp->bytes) : "";
    // Every character of the code page is in the Basic Multilingual Plane.
    if (code > 0xFFFF) return {};
    const wchar_t wide = static_cast<wchar_t>(code);
    char bytes[2];
    // No best fit: a character the code page lacks has no bytes, not some look-alike's.
    BOOL usedDefault = FALSE;
    const int length = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, &wide, 1, bytes,
                                           sizeof bytes, nullptr, &usedDefault);
    if (length <= 0 || usedDefault) return {};
    return std::string(bytes, static_cast<std::size_t>(length));
}

}  // namespace bio
