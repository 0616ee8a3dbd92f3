// The person lines of the overview: a register record's birth date read the
// way a reading reads it, and its verdicts for one day.

#include <optional>
#include <string_view>
#include <tuple>

#include "biorhythm/verdict.h"
#include "calendar/calendar.h"
#include "overview/overview.h"
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

std::optional<double> whole(std::optional<double> value) {
    if (value && *value == intFloor(*value)) return value;
    return std::nullopt;
}

struct Birth {
    double year, month, day;  // Western
};

// The record's birth date when it is one: a known era, whole numbers, a month
// 1..12 and a day 1..31 (as a reading takes them), on or before `today`.
std::optional<Birth> birthOf(const RegisterRecord& record, const Date& today) {
    const std::string_view era = eraOfField(record.era);
    const std::optional<double> eraYear = whole(eraYearNumber(record.year));
    const std::optional<double> month = whole(leadingNumber(record.month));
    const std::optional<double> day = whole(leadingNumber(record.day));
    if (era.empty() || !eraYear || !month || !day) return std::nullopt;
    if (*month < 1 || *month > 12 || *day < 1 || *day > 31) return std::nullopt;
    const Birth birth{westernYear(era, *eraYear), *month, *day};
    const bool afterToday = std::tie(birth.year, birth.month, birth.day) >
                            std::tuple(double(today.year), double(today.month), double(today.day));
    if (afterToday) return std::nullopt;
    return birth;
}

std::string_view verdictWord(std::optional<Verdict> verdict) {
    if (!verdict) return "－";
    switch (*verdict) {
        case Verdict::Caution:
            return "要注意日";
        case Verdict::Good:
            return "好調";
        case Verdict::Low:
            return "低調";
    }
    return "－";
}

OverviewLine personLine(int number, const RegisterRecord& record, const Date& today) {
    OverviewLine line;
    line.text = numberText(number) + "．" + std::string(withoutPadding(record.name)) + "（" +
                std::string(withoutPadding(record.era)) + std::string(yearShown(record.year)) +
                "年" + std::string(withoutPadding(record.month)) + "月" +
                std::string(withoutPadding(record.day)) + "日生）";
    const std::optional<Birth> birth = birthOf(record, today);
    if (!birth) {
        line.text += "　生年月日を読めません";
        return line;
    }
    // The same day arithmetic as a reading of this person on `today`.
    const CycleDays cycle = cycleDaysAfter(dayNumber(today.year, today.month, today.day) -
                                           dayNumber(birth->year, birth->month, birth->day));
    for (Rhythm rhythm : kRhythms) {
        const std::optional<Verdict> verdict = classify(rhythm, dayOf(cycle, rhythm));
        line.caution = line.caution || verdict == Verdict::Caution;
        line.text +=
            "　" + std::string(rhythmName(rhythm)) + "：" + std::string(verdictWord(verdict));
    }
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
