#include "register/csv_persons.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>
#include <string_view>

#include "reading/reading.h"
#include "register/birth_text.h"
#include "register/record_layout.h"
#include "state/utf8.h"

namespace bio {

namespace {

constexpr const char* kNameMissing = "氏名が空です";
constexpr const char* kBirthTooLong = "生年月日の文字が欄に収まりません";
constexpr const char* kControlCharacter = "改行などの制御文字が含まれています";

bool allBlank(std::string_view text) { return trimBlanks(text).empty(); }

std::string isoDate(const Date& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

TypedBirth birthOf(const RegisterRecord& record) {
    return {record.era, record.year, record.month, record.day};
}

// Why a text cannot go into the register file, if it cannot.
std::optional<std::string> unstorable(const Cp932& codec, std::string_view text) {
    const auto control = [](char byte) {
        const auto code = static_cast<unsigned char>(byte);
        return code < 0x20 || code == 0x7F;
    };
    if (std::any_of(text.begin(), text.end(), control)) return kControlCharacter;
    if (const std::vector<std::string> lacking = codec.lacking(text); !lacking.empty())
        return quotedCharacters(lacking) + "は登録簿に保存できない文字です";
    return std::nullopt;
}

// Where a header puts a person: the name, and the birth as the four columns
// 元号, 年, 月, 日 or as one text.
struct PersonColumns {
    std::size_t name = 0;
    std::variant<std::array<std::size_t, 4>, std::size_t> birth;
};

std::optional<std::size_t> columnNamed(const std::vector<std::string>& header,
                                       std::string_view name) {
    for (std::size_t column = 0; column < header.size(); ++column)
        if (trimBlanks(header[column]) == name) return column;
    return std::nullopt;
}

std::variant<PersonColumns, HeaderProblem> personColumns(const std::vector<std::string>& header) {
    const std::optional<std::size_t> name = columnNamed(header, "氏名");
    if (!name) return HeaderProblem::NoName;
    std::array<std::size_t, 4> eraDate{};
    bool complete = true;
    const std::array<std::string_view, 4> eraDateNames{"元号", "年", "月", "日"};
    for (std::size_t i = 0; i < eraDate.size(); ++i) {
        const std::optional<std::size_t> column = columnNamed(header, eraDateNames[i]);
        complete = complete && column.has_value();
        eraDate[i] = column.value_or(0);
    }
    if (complete) return PersonColumns{*name, eraDate};
    for (std::string_view single : {"生年月日", "西暦生年月日"})
        if (const std::optional<std::size_t> column = columnNamed(header, single))
            return PersonColumns{*name, *column};
    return HeaderProblem::NoBirthDate;
}

struct RowPerson {
    RegisterRecord record;
    bool nameCut = false;
};

// The birth a row gives, as the register fields will hold it.
std::variant<TypedBirth, std::string> birthOfRow(const PersonColumns& columns,
                                                 const std::vector<std::string>& fields) {
    const auto cell = [&fields](std::size_t column) {
        return column < fields.size() ? fields[column] : std::string();
    };
    if (const auto* eraDate = std::get_if<std::array<std::size_t, 4>>(&columns.birth))
        return TypedBirth{cell((*eraDate)[0]), cell((*eraDate)[1]), cell((*eraDate)[2]),
                          cell((*eraDate)[3])};
    return birthOfText(cell(std::get<std::size_t>(columns.birth)));
}

std::variant<RowPerson, std::string> personOfRow(const Cp932& codec, const PersonColumns& columns,
                                                 const std::vector<std::string>& fields) {
    RegisterRecord record;
    record.name = columns.name < fields.size() ? fields[columns.name] : std::string();
    if (allBlank(record.name)) return kNameMissing;
    const std::variant<TypedBirth, std::string> birth = birthOfRow(columns, fields);
    if (const auto* reason = std::get_if<std::string>(&birth)) return *reason;
    const TypedBirth& typed = std::get<TypedBirth>(birth);
    record.era = typed.era;
    record.year = typed.eraYear;
    record.month = typed.month;
    record.day = typed.day;
    for (const std::string* text :
         {&record.name, &record.era, &record.year, &record.month, &record.day})
        if (std::optional<std::string> reason = unstorable(codec, *text)) return *reason;
    if (std::optional<std::string> reason = birthProblem(typed)) return *reason;
    // The fields are cut to their widths; what they keep must still name the
    // person and that day.
    const RegisterRecord stored = decodeRecord(codec, encodeRecord(codec, record));
    if (allBlank(stored.name)) return kNameMissing;
    if (realBirthDate(birthOf(stored)) != realBirthDate(typed)) return kBirthTooLong;
    return RowPerson{record, codec.width(record.name) > kRecordFields[1].width};
}

}  // namespace

std::vector<std::string> exportHeader() {
    return {"番号", "氏名", "元号", "年", "月", "日", "西暦生年月日"};
}

std::vector<std::string> exportRow(const RegisterRecord& record) {
    std::vector<std::string> row;
    for (const RecordField& field : kRecordFields)
        row.emplace_back(withoutPadding(record.*field.member));
    const std::optional<Date> birth = realBirthDate(birthOf(record));
    row.push_back(birth ? isoDate(*birth) : std::string());
    return row;
}

std::variant<ImportPlan, HeaderProblem> planImport(const Cp932& codec,
                                                   const std::vector<CsvRow>& rows) {
    if (rows.empty()) return HeaderProblem::NoName;
    const std::variant<PersonColumns, HeaderProblem> columns = personColumns(rows.front().fields);
    if (const auto* problem = std::get_if<HeaderProblem>(&columns)) return *problem;
    ImportPlan plan;
    for (auto row = rows.begin() + 1; row != rows.end(); ++row) {
        if (std::all_of(row->fields.begin(), row->fields.end(), allBlank)) continue;
        const auto person = personOfRow(codec, std::get<PersonColumns>(columns), row->fields);
        if (const auto* reason = std::get_if<std::string>(&person)) {
            plan.refused.emplace_back(row->line, *reason);
            continue;
        }
        const RowPerson& taken = std::get<RowPerson>(person);
        plan.records.push_back(taken.record);
        plan.namesCut += taken.nameCut ? 1 : 0;
    }
    return plan;
}

}  // namespace bio
