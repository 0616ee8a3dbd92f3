#pragma once
// A biorhythm reading as a value: a birth as typed, read as a date; days lived,
// cycle days and verdicts for one day; and the same for every day of a month.
// Plain functions of their arguments: the screens, the reports, the overview
// and the exports all read people's days through these.

#include <array>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "calendar/calendar.h"
#include "reading/verdict.h"
#include "state/date.h"

namespace bio {

// A birth date as the input screens and the register hold it: the era name
// and the era year, month and day texts, as typed or as stored.
struct TypedBirth {
    std::string era;
    std::string eraYear, month, day;
};

// The birth as a reading takes whatever was typed: the numeric values of the
// texts (元 is the first year of an era), the Western year of the era (0 for
// any text but an era name). Nothing is refused.
DateNumbers birthAsTyped(const TypedBirth& typed);

// Why a typed birth names no date.
enum class BirthProblem {
    UnknownEra,       // the era field names none of the eras
    EraYearNotWhole,  // no whole number (or 元) in the era year
    MonthNotWhole,
    DayNotWhole,
    MonthOutOfRange,  // not 1..12
    DayOutOfRange,    // not 1..31
};

// The Western birth date of a stored birth: a known era (by the field's first
// two characters, so padding does not count), whole numbers that start their
// texts, a month 1..12 and a day 1..31 (any month may count 31 days, as a
// reading takes them); otherwise the reason it cannot be read.
std::variant<DateNumbers, BirthProblem> readBirth(const TypedBirth& stored);
// The day of the calendar a stored birth names: readBirth's date when that
// day exists (no 31 April) in the years 1..9999; nullopt otherwise.
std::optional<Date> realBirthDate(const TypedBirth& stored);

// Where a person stands on one day: the day count of the readings (every
// fourth year a leap year) and the cycle days it gives.
struct DayCount {
    double birthDayNumber = 0;  // of the birth date
    double dayNumber = 0;       // of the day read
    double days = 0;            // days lived; negative before the birth
    CycleDays cycle;            // the emotion day whole, 1..28
};

DayCount dayCountFor(const DateNumbers& birth, const DateNumbers& day);

// A person on one day, with the verdict of each rhythm.
struct Reading : DayCount {
    std::array<std::optional<Verdict>, kRhythms.size()> verdicts;  // by Rhythm

    std::optional<Verdict> verdict(Rhythm rhythm) const {
        return verdicts[static_cast<std::size_t>(rhythm)];
    }
    // At least one rhythm on a caution day.
    bool hasCautionDay() const;
};

// "感情：好調　知性：低調　身体：要注意日": the three verdicts in words.
std::string verdictSummary(const Reading& reading);

// The reading of a person born on `birth` for `day`: its day count and the
// verdicts' table.
Reading readingFor(const DateNumbers& birth, const DateNumbers& day);

// A month of readings, as the month graph and the reports draw it.
struct MonthReading {
    int positions = 0;          // day positions: monthLengthEveryFourthYear
    std::vector<Reading> days;  // day 1 .. positions
};

MonthReading monthReading(const DateNumbers& birth, double year, double month);

}  // namespace bio
