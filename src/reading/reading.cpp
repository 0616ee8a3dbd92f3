#include "reading/reading.h"

#include <algorithm>

#include "calendar/month_step.h"
#include "state/numbers.h"

namespace bio {

namespace {

std::optional<double> whole(std::optional<double> value) {
    if (value && *value == intFloor(*value)) return value;
    return std::nullopt;
}

}  // namespace

DateNumbers birthAsTyped(const TypedBirth& typed) {
    return {westernYear(typed.era, eraYearValue(typed.eraYear)), numericValue(typed.month),
            numericValue(typed.day)};
}

std::variant<DateNumbers, BirthProblem> readBirth(const TypedBirth& stored) {
    const std::string_view era = eraOfField(stored.era);
    if (era.empty()) return BirthProblem::UnknownEra;
    const std::optional<double> eraYear = whole(eraYearNumber(stored.eraYear));
    if (!eraYear) return BirthProblem::EraYearNotWhole;
    const std::optional<double> month = whole(leadingNumber(stored.month));
    if (!month) return BirthProblem::MonthNotWhole;
    const std::optional<double> day = whole(leadingNumber(stored.day));
    if (!day) return BirthProblem::DayNotWhole;
    if (*month < 1 || *month > 12) return BirthProblem::MonthOutOfRange;
    if (*day < 1 || *day > 31) return BirthProblem::DayOutOfRange;
    return DateNumbers{westernYear(era, *eraYear), *month, *day};
}

std::optional<Date> realBirthDate(const TypedBirth& stored) {
    const auto read = readBirth(stored);
    const DateNumbers* birth = std::get_if<DateNumbers>(&read);
    return birth ? realDate(*birth) : std::nullopt;
}

bool Reading::hasCautionDay() const {
    return std::find(verdicts.begin(), verdicts.end(), Verdict::Caution) != verdicts.end();
}

std::string verdictSummary(const Reading& reading) {
    // Appended piece by piece: a month's graph text makes one per day.
    std::string summary;
    for (Rhythm rhythm : kRhythms) {
        if (!summary.empty()) summary += "　";
        summary += rhythmName(rhythm);
        summary += "：";
        summary += verdictName(reading.verdict(rhythm));
    }
    return summary;
}

DayCount dayCountFor(const DateNumbers& birth, const DateNumbers& day) {
    DayCount count;
    count.birthDayNumber = dayNumber(birth.year, birth.month, birth.day);
    count.dayNumber = dayNumber(day.year, day.month, day.day);
    count.days = count.dayNumber - count.birthDayNumber;
    count.cycle = cycleDaysAfter(count.days);
    return count;
}

Reading readingFor(const DateNumbers& birth, const DateNumbers& day) {
    Reading reading{dayCountFor(birth, day), {}};
    for (Rhythm rhythm : kRhythms)
        reading.verdicts[static_cast<std::size_t>(rhythm)] =
            classify(rhythm, dayOf(reading.cycle, rhythm));
    return reading;
}

MonthReading monthReading(const DateNumbers& birth, double year, double month) {
    MonthReading result;
    result.positions = monthLengthEveryFourthYear(year, month);  // 28..31
    result.days.reserve(static_cast<std::size_t>(result.positions));
    for (int day = 1; day <= result.positions; ++day)
        result.days.push_back(readingFor(birth, {year, month, double(day)}));
    return result;
}

}  // namespace bio
