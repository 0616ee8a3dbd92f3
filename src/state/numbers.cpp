#include "state/numbers.h"

#include <fast_float/fast_float.h>
#include <fmt/compile.h>

#include <algorithm>
#include <cctype>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <optional>
#include <string>

#include "state/utf8.h"

namespace bio {

namespace {

constexpr double kHalf = 0.5;
// Exponents beyond this are far past the double range either way; capping them
// keeps the exponent arithmetic free of overflow.
constexpr long kExponentCap = 100000;

// The numeric value of a text passes over line feeds too, as the conversion
// it follows does.
bool isSkippedBlank(char32_t c) { return isBlank(c) || c == U'\n'; }

// The first character that is no blank, in its ASCII form where it has one;
// 0 for a text of blanks.
char32_t firstNonBlank(std::string_view utf8) {
    char32_t first = 0;
    forEachUtf8Char(utf8, [&](const Utf8Char& c) {
        if (isSkippedBlank(c.code)) return true;
        first = asciiForm(c.code);
        return false;
    });
    return first;
}

// The text in ASCII, blanks left out, up to the first character that has no
// ASCII form (no number goes on past it).
std::string numberCharacters(std::string_view utf8) {
    std::string out;
    forEachUtf8Char(utf8, [&](const Utf8Char& c) {
        if (isSkippedBlank(c.code)) return true;
        const char32_t ascii = asciiForm(c.code);
        if (ascii >= 0x80) return false;
        out += static_cast<char>(ascii);
        return true;
    });
    return out;
}

bool isDigitIn(char c, int base) {
    if (base == 16) return std::isxdigit(static_cast<unsigned char>(c)) != 0;
    if (base == 8) return c >= '0' && c <= '7';
    return c >= '0' && c <= '9';
}

int digitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    return (std::tolower(static_cast<unsigned char>(c)) - 'a') + 10;
}

double finite(double value) {
    if (std::isinf(value)) return value > 0 ? DBL_MAX : -DBL_MAX;
    return value == 0 ? 0.0 : value;  // no negative zero
}

// "&H1F", "&o17": a whole number in base 16 or 8 (the prefix already checked).
double radixValue(std::string_view digits, int base) {
    double value = 0;
    for (const char c : digits) {
        if (!isDigitIn(c, base)) break;
        value = value * base + digitValue(c);
    }
    return finite(value);
}

std::size_t countDigits(std::string_view s, std::size_t pos) {
    std::size_t n = 0;
    while (pos + n < s.size() && isDigitIn(s[pos + n], 10)) ++n;
    return n;
}

// Sign, digits, one point, an exponent with E or D: the longest leading part of
// `s` that reads as a decimal number.
double decimalValue(std::string_view s) {
    const bool negative = !s.empty() && s[0] == '-';
    std::size_t pos = (!s.empty() && (s[0] == '-' || s[0] == '+')) ? 1 : 0;

    const std::size_t intDigits = countDigits(s, pos);
    const std::string_view intPart = s.substr(pos, intDigits);
    pos += intDigits;
    std::string_view fracPart;
    if (pos < s.size() && s[pos] == '.') {
        fracPart = s.substr(pos + 1, countDigits(s, pos + 1));
        pos += 1 + fracPart.size();
    }
    if (intPart.empty() && fracPart.empty()) return 0;

    long exponent = 0;
    if (pos < s.size() && std::string_view("EeDd").find(s[pos]) != std::string_view::npos) {
        std::size_t e = pos + 1;
        const bool negativeExponent = e < s.size() && s[e] == '-';
        if (e < s.size() && (s[e] == '-' || s[e] == '+')) ++e;
        for (std::size_t n = countDigits(s, e); n > 0; --n, ++e) {
            exponent = std::min(exponent * 10 + (s[e] - '0'), kExponentCap);
        }
        if (negativeExponent) exponent = -exponent;
    }

    const std::string digits = std::string(intPart) + std::string(fracPart);
    const std::string text =
        digits + 'e' + std::to_string(exponent - static_cast<long>(fracPart.size()));
    // fast_float rounds as the C library does, on every build (emscripten's
    // libc++ has no from_chars for double); too large a number reads as
    // infinity and too small as zero, and `finite` takes it from there.
    double value = 0;
    fast_float::from_chars(text.data(), text.data() + text.size(), value);
    return finite(negative ? -value : value);
}

bool fitsInt16(double whole) {
    return whole >= std::numeric_limits<int16_t>::min() &&
           whole <= std::numeric_limits<int16_t>::max();
}

}  // namespace

char32_t asciiForm(char32_t c) {
    if (c >= U'\uFF01' && c <= U'\uFF5E') return c - 0xFEE0;
    if (c == U'\u2212') return U'-';
    return c;
}

double roundHalfEven(double value) {
    // Computed from the floor, whatever rounding mode the floating-point environment is in.
    const double below = std::floor(value);
    const double fraction = value - below;  // 0 <= fraction < 1
    if (fraction > kHalf || (fraction == kHalf && std::fmod(below, 2.0) != 0)) return below + 1;
    return below;
}

double numericValue(std::string_view utf8) {
    const std::string s = numberCharacters(utf8);
    if (s.size() >= 2 && s[0] == '&') {
        const char radix = static_cast<char>(std::toupper(static_cast<unsigned char>(s[1])));
        if (radix == 'H') return radixValue(std::string_view(s).substr(2), 16);
        if (radix == 'O') return radixValue(std::string_view(s).substr(2), 8);
    }
    return decimalValue(s);
}

std::optional<double> leadingNumber(std::string_view utf8) {
    const char32_t first = firstNonBlank(utf8);
    if (first < U'0' || first > U'9') return std::nullopt;
    return numericValue(utf8);
}

std::optional<double> eraYearNumber(std::string_view utf8) {
    if (firstNonBlank(utf8) == U'元') return 1;
    return leadingNumber(utf8);
}

double eraYearValue(std::string_view utf8) {
    return eraYearNumber(utf8).value_or(numericValue(utf8));
}

std::optional<int16_t> wholeNumber16(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    const double whole = roundHalfEven(value);
    if (!fitsInt16(whole)) return std::nullopt;
    return static_cast<int16_t>(whole);
}

std::optional<int16_t> wholeNumber16(std::string_view utf8) {
    return wholeNumber16(numericValue(utf8));
}

int16_t roundToInt16(double value) {
    if (std::isnan(value)) return 0;
    if (const auto whole = wholeNumber16(value)) return *whole;
    return value < 0 ? std::numeric_limits<int16_t>::min() : std::numeric_limits<int16_t>::max();
}

double intFloor(double value) { return std::floor(value); }

std::string numberText(double value) {
    if (std::isnan(value)) return "0";
    value = finite(value);
    if (value == 0) return "0";

    // 15 significant digits as d.dddddddddddddde±x, then laid out plainly;
    // fmt rounds them as the C library does on every build (emscripten's
    // libc++ has no to_chars for double) and in no locale's way.
    char buffer[64];
    const auto result =
        fmt::format_to_n(buffer, sizeof buffer, FMT_COMPILE("{:.14e}"), std::fabs(value));
    const std::string_view scientific(buffer, result.size);
    const std::size_t e = scientific.find('e');
    std::string digits;
    for (const char c : scientific.substr(0, e)) {
        if (c != '.') digits += c;
    }
    digits.erase(digits.find_last_not_of('0') + 1);
    int exponent = 0;
    const std::string_view exponentText = scientific.substr(e + 1);
    std::from_chars(exponentText.data() + (exponentText[0] == '+' ? 1 : 0),
                    exponentText.data() + exponentText.size(), exponent);

    std::string text = value < 0 ? "-" : "";
    const int pointAfter = exponent + 1;  // digits before the decimal point
    const int digitCount = static_cast<int>(digits.size());
    if (pointAfter <= 0) {
        text += "0." + std::string(static_cast<std::size_t>(-pointAfter), '0') + digits;
    } else if (pointAfter >= digitCount) {
        text += digits + std::string(static_cast<std::size_t>(pointAfter - digitCount), '0');
    } else {
        text += digits.substr(0, static_cast<std::size_t>(pointAfter)) + '.' +
                digits.substr(static_cast<std::size_t>(pointAfter));
    }
    return text;
}

std::string canvasNumberText(double value) {
    const std::string text = numberText(value);
    if (text.front() == '-') return text + ' ';
    return ' ' + text + ' ';
}

}  // namespace bio
