// Any file offered to the import: its text, rows and dates are read without
// failing; a row written again reads back the same; every person taken is
// named and born on a real day, also as the record's cut fields hold it.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <variant>

#include "reading/reading.h"
#include "register/birth_text.h"
#include "register/csv.h"
#include "register/csv_persons.h"
#include "register/record_layout.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bio::Cp932 codec;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::optional<std::string> text = bio::csvText(codec, bytes);
    if (!text) return 0;
    const std::vector<bio::CsvRow> rows = bio::parseCsv(*text);
    for (const bio::CsvRow& row : rows) {
        // A lone empty field writes an empty line, which is no row.
        if (row.fields.size() == 1 && row.fields[0].empty()) continue;
        const std::vector<bio::CsvRow> again = bio::parseCsv(bio::csvLine(row.fields));
        if (again.size() != 1 || again[0].fields != row.fields) std::abort();
        for (const std::string& field : row.fields) (void)bio::birthOfText(field);
    }
    const auto planned = bio::planImport(codec, rows);
    if (const auto* plan = std::get_if<bio::ImportPlan>(&planned)) {
        for (const bio::RegisterRecord& record : plan->records) {
            const bio::RegisterRecord stored =
                bio::decodeRecord(codec, bio::encodeRecord(codec, record));
            if (stored.name.find_first_not_of(" ") == std::string::npos) std::abort();
            if (!bio::realBirthDate({stored.era, stored.year, stored.month, stored.day}))
                std::abort();
        }
    }
    return 0;
}
