#include "calendar/calendar.h"

#include <cmath>

#include "shell/program.h"
#include "state/numbers.h"

namespace bio {

namespace {

constexpr std::array<std::string_view, 7> kWeekdayNames{
    "日曜日", "月曜日", "火曜日", "水曜日", "木曜日", "金曜日", "土曜日",
};

constexpr std::array<double, kEraNames.size()> kEraBaseYears{1868, 1912, 1926, 1989};

// Nearest whole number, a half going to the even neighbour. Day numbers run far
// beyond 16 bits, so this stays in double.
double roundHalfEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;  // 0 <= fraction < 1
    if (fraction < 0.5) return below;
    if (fraction > 0.5) return below + 1;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

// Number of bytes the UTF-8 text's first `count` characters take (all of it
// when it is shorter).
std::size_t utf8PrefixLength(std::string_view text, int count) {
    std::size_t end = 0;
    for (int seen = 0; seen < count && end < text.size(); ++seen) {
        ++end;
        // Continuation bytes (10xxxxxx) belong to the character just started.
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
    }
    return end;
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

double cycleDay(double days, int length) {
    // Floor keeps the cycle running backwards before the birth date: 1..length.
    return days - length * intFloor(days / length) + 1;
}

void calcdays(Program& p) {
    DiagnosisState& s = p.state();
    s.y1 = s.byear;
    s.daynum2 = dayNumber(s.y2, s.m2, s.d2);
    s.daynum1 = dayNumber(s.y1, s.m1, s.d1);
    s.days = s.daynum2 - s.daynum1;
    s.bodyday = cycleDay(s.days, kBodyCycle);
    if (s.person >= 0 && s.person < static_cast<int>(s.emoday.size())) {
        s.emoday[static_cast<std::size_t>(s.person)] =
            roundToInt16(cycleDay(s.days, kEmotionCycle));  // 1..28
    }
    s.intday = cycleDay(s.days, kIntellectCycle);
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

void weekday1(Program& p) {
    const std::optional<int> weekday = weekdayOf(p.state().daynum1);
    // A fractional birth day has no weekday: show none rather than leave the
    // previous person's weekday standing beside this person's reading.
    p.screen(ScreenId::sindan)
        .setText("Text1", weekday ? std::string(weekdayName(*weekday)) : std::string());
}

void weekday2(Program& p) {
    DiagnosisState& s = p.state();
    Screen& sindan = p.screen(ScreenId::sindan);
    sindan.setText("Text3", numberText(s.m2));
    const std::optional<int> weekday = weekdayOf(roundHalfEven(s.daynum2));
    // Only a year too large for a double gives no weekday; the graph then
    // starts on Sunday instead of reading a meaningless index.
    s.wday2 = weekday.value_or(0);
    sindan.setText("Text2", weekday ? std::string(weekdayName(*weekday)) : std::string());
}

double westernYear(std::string_view eraname, double erayear) {
    for (std::size_t i = 0; i < kEraNames.size(); ++i) {
        if (eraname == kEraNames[i]) return kEraBaseYears[i] + erayear - 1;
    }
    return 0;
}

std::string selectedEra(Screen& screen, const std::array<const char*, 4>& optionKeys) {
    for (const char* key : optionKeys) {
        if (screen.control(key).selected()) return screen.text(key);
    }
    return {};
}

bool selectEraFromField(Screen& screen, const std::array<const char*, 4>& optionKeys,
                        std::string_view eraField) {
    // Register fields are padded ("昭和 "), so only the first two characters count.
    const std::string_view era = eraField.substr(0, utf8PrefixLength(eraField, 2));
    for (const char* key : optionKeys) {
        if (screen.text(key) == era) {
            screen.select(key);
            return true;
        }
    }
    return false;
}

}  // namespace bio
