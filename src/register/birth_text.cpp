#include "register/birth_text.h"

#include <array>
#include <utility>

#include "calendar/calendar.h"
#include "calendar/month_step.h"
#include "state/numbers.h"
#include "state/utf8.h"

namespace bio {

namespace {

constexpr const char* kUnreadableBirth = "生年月日を読めません";
constexpr const char* kNoSuchDay = "生年月日が実在しない日付です";
constexpr const char* kBeforeMeiji = "生年月日が1868年より前です";

// A date in one text, read piece by piece; blanks between the pieces do not count.
class DateText {
  public:
    explicit DateText(std::string_view text) : rest_(text) {}

    bool take(std::string_view token) {
        skipBlanks();
        if (!rest_.starts_with(token)) return false;
        rest_.remove_prefix(token.size());
        return true;
    }

    // A whole number of 1..maxDigits digits, half-width or full-width (as an
    // input method types them).
    std::optional<int> number(int maxDigits) {
        skipBlanks();
        int value = 0;
        int digits = 0;
        for (std::optional<int> digit; (digit = takeDigit());) {
            if (++digits > maxDigits) return std::nullopt;
            value = value * 10 + *digit;
        }
        if (digits == 0) return std::nullopt;
        return value;
    }

    bool atEnd() {
        skipBlanks();
        return rest_.empty();
    }

  private:
    void skipBlanks() { rest_ = trimBlanks(rest_); }

    // A digit, half-width or as an input method types it full-width.
    std::optional<int> takeDigit() {
        if (rest_.empty()) return std::nullopt;
        const Utf8Char c = utf8CharAt(rest_, 0);
        const char32_t ascii = asciiForm(c.code);
        if (ascii < U'0' || ascii > U'9') return std::nullopt;
        rest_.remove_prefix(c.length);
        return static_cast<int>(ascii - U'0');
    }

    std::string_view rest_;
};

std::variant<TypedBirth, std::string> birthOnDay(int year, int month, int day) {
    const std::optional<Date> date = realDate({double(year), double(month), double(day)});
    if (!date) return kNoSuchDay;
    const std::optional<EraYear> era = eraOn(*date);
    if (!era) return kBeforeMeiji;
    return TypedBirth{std::string(era->era), numberText(era->year), numberText(month),
                      numberText(day)};
}

// The month and day after the year and its separator, up to the end of the text.
std::optional<std::pair<int, int>> monthAndDay(DateText& date, std::string_view afterMonth,
                                               std::string_view afterDay) {
    const std::optional<int> month = date.number(2);
    if (!month || !date.take(afterMonth)) return std::nullopt;
    const std::optional<int> day = date.number(2);
    date.take(afterDay);  // may be left out
    if (!day || !date.atEnd()) return std::nullopt;
    return std::pair(*month, *day);
}

std::variant<TypedBirth, std::string> eraBirth(DateText& date, std::string_view era) {
    const std::optional<int> year = date.take("元") ? std::optional(1) : date.number(4);
    if (!year || !date.take("年")) return kUnreadableBirth;
    const auto monthDay = monthAndDay(date, "月", "日");
    if (!monthDay) return kUnreadableBirth;
    return TypedBirth{std::string(era), numberText(*year), numberText(monthDay->first),
                      numberText(monthDay->second)};
}

// The separators after the year, the month and the day of a Western date.
struct WesternStyle {
    std::string_view year, month, day;
};
constexpr std::array<WesternStyle, 5> kWesternStyles{{
    {"/", "/", ""},
    {"-", "-", ""},
    {"／", "／", ""},
    {"－", "－", ""},
    {"年", "月", "日"},
}};

std::variant<TypedBirth, std::string> westernBirth(DateText& date) {
    const std::optional<int> year = date.number(4);
    if (!year) return kUnreadableBirth;
    for (const WesternStyle& style : kWesternStyles) {
        if (!date.take(style.year)) continue;
        const auto monthDay = monthAndDay(date, style.month, style.day);
        if (!monthDay) return kUnreadableBirth;
        return birthOnDay(*year, monthDay->first, monthDay->second);
    }
    return kUnreadableBirth;
}

}  // namespace

std::variant<TypedBirth, std::string> birthOfText(std::string_view text) {
    DateText date(text);
    for (std::string_view era : kEraNames)
        if (date.take(era)) return eraBirth(date, era);
    return westernBirth(date);
}

std::optional<std::string> birthProblem(const TypedBirth& birth) {
    const auto read = readBirth(birth);
    const DateNumbers* numbers = std::get_if<DateNumbers>(&read);
    if (!numbers) return kUnreadableBirth;
    if (!realDate(*numbers)) return kNoSuchDay;
    return std::nullopt;
}

}  // namespace bio
