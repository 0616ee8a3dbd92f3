// The person lines of the overview: a register record's birth date read the
// way a reading reads it, and its verdicts for one day.

#include <optional>
#include <string_view>
#include <tuple>
#include <variant>

#include "overview/overview.h"
#include "reading/reading.h"
#include "state/numbers.h"

namespace bio {

namespace {

constexpr std::string_view kPadding = " ";

std::string_view withoutPadding(std::string_view field) {
    const std::size_t end = field.find_last_not_of(kPadding);
    return end == std::string_view::npos ? std::string_view{} : field.substr(0, end + 1);
}

// A name of blanks (half-width, full-width or tabs) names no one.
bool blankName(std::string_view name) {
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        for (std::string_view blank : {" ", "\t", "　"}) {
            if (name.starts_with(blank)) {
                name.remove_prefix(blank.size());
                trimmed = true;
            }
        }
    }
    return name.empty();
}

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

OverviewLine personLine(int number, const RegisterRecord& record, const Date& today) {
    OverviewLine line;
    line.text = numberText(number) + "．" + std::string(withoutPadding(record.name)) + "（" +
                std::string(withoutPadding(record.era)) + std::string(yearShown(record.year)) +
                "年" + std::string(withoutPadding(record.month)) + "月" +
                std::string(withoutPadding(record.day)) + "日生）";
    const std::optional<DateNumbers> birth = birthOf(record, today);
    if (!birth) {
        line.text += "　生年月日を読めません";
        return line;
    }
    const Reading reading = readingFor(*birth, numbersOf(today));
    line.caution = reading.hasCautionDay();
    line.text += "　" + verdictSummary(reading);
    return line;
}

}  // namespace

std::vector<OverviewLine> personLines(const std::vector<RegisterRecord>& records, const Date& day) {
    std::vector<OverviewLine> lines;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (!blankName(records[i].name))
            lines.push_back(personLine(static_cast<int>(i + 1), records[i], day));
    }
    return lines;
}

}  // namespace bio
