#pragma once
// A birth date as a spreadsheet holds it, in one text, read into the
// register's era, year, month and day fields; and whether a birth about to be
// stored names a day at all.

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "reading/reading.h"

namespace bio {

// The birth a date in one text gives, with the era year, month and day as
// plain numbers ("元年" as 1): 1963/5/10, 1963-05-10 and 1963年5月10日 take
// the era in force on that day; 昭和38年5月10日 and 平成元年1月8日 name their
// own. Otherwise why the text is refused.
std::variant<TypedBirth, std::string> birthOfText(std::string_view text);

// Why a birth to be stored names no day a reading can take (no era, no whole
// numbers, or a day the calendar lacks), if it does not.
std::optional<std::string> birthProblem(const TypedBirth& birth);

}  // namespace bio
