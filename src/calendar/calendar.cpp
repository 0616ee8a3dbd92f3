#include "calendar/calendar.h"

#include <cmath>
#include <tuple>

#include "state/numbers.h"
#include "state/utf8.h"

namespace bio {

namespace {

constexpr int kBodyCycle = 23;
constexpr int kEmotionCycle = 28;
constexpr int kIntellectCycle = 33;

constexpr std::array<std::string_view, 7> kWeekdayNames{
    "日曜日", "月曜日", "火曜日", "水曜日", "木曜日", "金曜日", "土曜日",
};

constexpr std::array<double, kEraNames.size()> kEraBaseYears{1868, 1912, 1926, 1989, 2019};
// The first day of each era; 明治 from the first day of its base year.
constexpr std::array<Date, kEraNames.size()> kEraStarts{{
    {1868, 1, 1},
    {1912, 7, 30},
    {1926, 12, 25},
    {1989, 1, 8},
    {2019, 5, 1},
}};

bool onOrAfter(const Date& day, const Date& start) {
    return std::tie(day.year, day.month, day.day) >= std::tie(start.year, start.month, start.day);
}

}  // namespace

double dayNumber(double year, double month, double day) {
    const double a = (year - 1900) * 365.25;
    const double yearDays = intFloor(a);                    // equals a when year is divisible by 4
    const double monthDays = intFloor((month + 1) * 30.6);  // 61 for January .. 397 for December
    const double r = yearDays + monthDays + day - 126;
    if (month > 2) return r;
    // The month table counts from March, so January and February take a shift;
    // one day less when `a` is whole: the year part then already holds this
    // year's 29 February, which January and February come before.
    const double leapShift = (a == yearDays) ? 0 : 1;
    return r + (month == 1 ? 1 : 2) + leapShift;
}

int16_t monthLengthEveryFourthYear(double year, double month) {
    if (month == 2) return std::fmod(year, 4.0) == 0 ? 29 : 28;
    if (month == 4 || month == 6 || month == 9 || month == 11) return 30;
    return 31;
}

double cycleDay(double days, int length) {
    // Floor keeps the cycle running backwards before the birth date: 1..length.
    return days - length * intFloor(days / length) + 1;
}

CycleDays cycleDaysAfter(double days) {
    return {static_cast<double>(roundToInt16(cycleDay(days, kEmotionCycle))),  // 1..28
            cycleDay(days, kIntellectCycle), cycleDay(days, kBodyCycle)};
}

std::optional<int> weekdayOf(double dayNumber) {
    if (!std::isfinite(dayNumber) || dayNumber != std::floor(dayNumber)) return std::nullopt;
    // fmod is exact for every double, so even absurdly large day numbers get a
    // true remainder; it keeps the sign of the day number, hence the shift.
    double remainder = std::fmod(dayNumber, 7.0);  // -6..6
    if (remainder < 0) remainder += 7;             // 0..6
    return static_cast<int>(remainder);
}

std::string_view weekdayName(int remainder) {
    if (remainder < 0 || remainder >= static_cast<int>(kWeekdayNames.size())) return {};
    return kWeekdayNames[static_cast<std::size_t>(remainder)];
}

double westernYear(std::string_view eraname, double erayear) {
    for (std::size_t i = 0; i < kEraNames.size(); ++i) {
        if (eraname == kEraNames[i]) return kEraBaseYears[i] + erayear - 1;
    }
    return 0;
}

std::optional<EraYear> eraOn(const Date& day) {
    for (std::size_t i = kEraNames.size(); i-- > 0;) {
        if (onOrAfter(day, kEraStarts[i]))
            return EraYear{kEraNames[i], day.year - static_cast<int>(kEraBaseYears[i]) + 1};
    }
    return std::nullopt;
}

std::string_view eraOfField(std::string_view eraField) {
    const std::string_view era = eraField.substr(0, utf8PrefixBytes(eraField, 2));
    for (std::string_view name : kEraNames)
        if (name == era) return name;
    return {};
}

}  // namespace bio
