#pragma once
// CSV as spreadsheets write and read it (RFC 4180): fields separated by
// commas; a field holding a comma, a quote or a line break is quoted, its
// quotes doubled. Japanese spreadsheets save such files in UTF-8 or in code
// page 932.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "state/cp932.h"

namespace bio {

// What a UTF-8 file may start with; Excel needs it to take a CSV file as UTF-8.
inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

struct CsvRow {
    int line = 0;  // the line the row starts on, 1 for the first
    std::vector<std::string> fields;
};

// The rows of a CSV text. A row ends at CR LF, LF or CR outside quotes; an
// empty line is no row. A quote counts only at the start of a field: one
// inside an unquoted field, or text after a closing quote, is kept as it
// stands, and a quote never closed runs to the end of the text.
std::vector<CsvRow> parseCsv(std::string_view text);

// One row: the fields, quoted where needed, joined by commas, ended by CR LF.
std::string csvLine(const std::vector<std::string>& fields);

// The UTF-8 text of a CSV file: the bytes themselves when they are UTF-8 (a
// byte order mark dropped), else read as code page 932. nullopt when they are
// no text: a control byte other than tab and the line ends, or bytes that form
// no character of code page 932 either.
std::optional<std::string> csvText(const Cp932& codec, std::string_view bytes);

}  // namespace bio
