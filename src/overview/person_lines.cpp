// The persons of the overview: a register record's birth date read the way a
// reading reads it, its verdicts for one day, and the line that shows them.

#include <optional>
#include <string_view>
#include <tuple>
#include <variant>

#include "overview/overview.h"
#include "reading/reading.h"
#include "register/record_layout.h"
#include "state/numbers.h"
#include "state/utf8.h"

namespace bio {

namespace {

// A name of blanks names no one.
bool blankName(std::string_view name) { return trimBlanks(name).empty(); }

// The stored year shown before the "年" the line adds: "元年" shows as "元".
std::string_view yearShown(std::string_view year) {
    year = withoutPadding(year);
    if (year.ends_with("年")) year.remove_suffix(std::string_view("年").size());
    return year;
}

// The record's birth date when it is one (see readBirth) on or before `today`.
std::optional<DateNumbers> birthOf(const RegisterRecord& record, const Date& today) {
    const auto read = readBirth({record.era, record.year, record.month, record.day});
    const DateNumbers* birth = std::get_if<DateNumbers>(&read);
    if (!birth) return std::nullopt;
    const bool afterToday = std::tie(birth->year, birth->month, birth->day) >
                            std::tuple(double(today.year), double(today.month), double(today.day));
    if (afterToday) return std::nullopt;
    return *birth;
}

OverviewLine personLine(const PersonReading& person) {
    const RegisterRecord& record = *person.record;
    OverviewLine line;
    line.text = numberText(person.number) + "．" + std::string(shownName(record)) + "（" +
                std::string(withoutPadding(record.era)) + std::string(yearShown(record.year)) +
                "年" + std::string(withoutPadding(record.month)) + "月" +
                std::string(withoutPadding(record.day)) + "日生）";
    if (!person.reading) {
        line.text += "　生年月日を読めません";
        return line;
    }
    line.caution = person.reading->hasCautionDay();
    line.text += "　" + verdictSummary(*person.reading);
    return line;
}

}  // namespace

std::string_view shownName(const RegisterRecord& record) { return withoutPadding(record.name); }

std::vector<PersonReading> personReadings(const std::vector<RegisterRecord>& records,
                                          const Date& day) {
    std::vector<PersonReading> persons;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (blankName(records[i].name)) continue;
        PersonReading& person = persons.emplace_back();
        person.number = static_cast<int>(i + 1);
        person.record = &records[i];
        person.birth = birthOf(records[i], day);
        if (person.birth) person.reading = readingFor(*person.birth, numbersOf(day));
    }
    return persons;
}

std::vector<OverviewLine> personLines(const std::vector<RegisterRecord>& records, const Date& day) {
    std::vector<OverviewLine> lines;
    for (const PersonReading& person : personReadings(records, day))
        lines.push_back(personLine(person));
    return lines;
}

}  // namespace bio
