#pragma once
// Conversions between typed texts and numbers, used by every screen.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace bio {

// A Japanese input method types digits, signs and letters in their
// full-width forms (U+FF01..U+FF5E); they mean the same as the ASCII ones, and
// U+2212 is the minus sign some systems put where others put a hyphen-minus.
// Any other character is returned as it is.
char32_t asciiForm(char32_t c);

// The value of the number at the start of a text. Blanks, tabs, line feeds and
// ideographic spaces are skipped anywhere; full-width digits and signs read as
// their ASCII forms (an input method types them); "&H"/"&O" start hexadecimal
// and octal whole numbers. 0 when the text does not start with a number. The
// result is always finite.
double numericValue(std::string_view utf8);

// The numeric value of a text that starts, blanks aside, with a digit (an
// input method's full-width digits too); nullopt when no number stands there.
std::optional<double> leadingNumber(std::string_view utf8);
// An era year: "元" first (after blanks), as in "元年", is the era's first
// year; otherwise leadingNumber.
std::optional<double> eraYearNumber(std::string_view utf8);
// The value of an era year as typed: eraYearNumber, or numericValue for a
// text without a number (0 for an empty one).
double eraYearValue(std::string_view utf8);

// Nearest whole number, a half going to the even neighbour (2.5 -> 2, 3.5 -> 4,
// -0.5 -> 0); stays in double, as day numbers run far beyond 16 bits.
double roundHalfEven(double value);

// The same rounding as a signed 16-bit
// value; nullopt when it does not fit (or the value is not finite).
std::optional<int16_t> wholeNumber16(double value);
std::optional<int16_t> wholeNumber16(std::string_view utf8);

// Same rounding, saturated to the 16-bit range: for values the arithmetic
// keeps in range, where an out-of-range value can only come from absurd input.
int16_t roundToInt16(double value);

// Floor, as the day arithmetic uses it.
double intFloor(double value);

// Plain decimal text of a number: up to 15 significant digits, "-" for
// negatives, no point for whole values ("1963", "-6", "2.5").
std::string numberText(double value);

// A number printed on a drawing canvas: one blank before (the sign's place,
// taken by "-" for negatives) and one after.
std::string canvasNumberText(double value);

}  // namespace bio
