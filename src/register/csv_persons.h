#pragma once
// The register as spreadsheet rows and back: a record as a row of the export,
// and the persons a spreadsheet's rows give, stored as 登録 stores what a
// user types.

#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "register/csv.h"
#include "state/cp932.h"
#include "state/diagnosis_state.h"

namespace bio {

// 番号,氏名,元号,年,月,日,西暦生年月日
std::vector<std::string> exportHeader();
// The record's six fields without their padding blanks, then its Western
// birth date as YYYY-MM-DD when it names a real day, else empty.
std::vector<std::string> exportRow(const RegisterRecord& record);

// Why a header cannot be imported.
enum class HeaderProblem { NoName, NoBirthDate };

// What a file's rows add to the register.
struct ImportPlan {
    std::vector<RegisterRecord> records;               // in row order, numbers left empty
    int namesCut = 0;                                  // names longer than the field
    std::vector<std::pair<int, std::string>> refused;  // line and reason
};

// The persons of a CSV file whose first row is its header: columns found by
// name (blanks around it ignored); 氏名 is needed, and the birth comes from
// 元号, 年, 月 and 日 kept as they are, or else from 生年月日 or 西暦生年月日
// (see birthOfText). Rows of blank fields are passed over.
std::variant<ImportPlan, HeaderProblem> planImport(const Cp932& codec,
                                                   const std::vector<CsvRow>& rows);

}  // namespace bio
