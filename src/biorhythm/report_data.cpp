#include "biorhythm/report_data.h"

#include <optional>

#include "biorhythm/graph_steps.h"
#include "calendar/calendar.h"
#include "state/numbers.h"

namespace bio {

std::vector<int> daysWhere(std::size_t count, const std::function<bool(std::size_t)>& holds) {
    std::vector<int> days;
    for (std::size_t i = 0; i < count; ++i)
        if (holds(i)) days.push_back(static_cast<int>(i) + 1);
    return days;
}

std::string dayListLine(std::string_view label, const std::vector<int>& days) {
    std::string line(label);
    if (days.empty()) return line + "なし";
    for (std::size_t i = 0; i < days.size(); ++i) {
        if (i) line += "，";
        line += std::to_string(days[i]);
    }
    return line + "日";
}

std::vector<std::string> cautionDayLines(const MonthReading& month) {
    std::vector<std::string> lines;
    for (Rhythm rhythm : kRhythms) {
        const std::vector<int> days = daysWhere(month.days.size(), [&](std::size_t i) {
            return month.days[i].verdict(rhythm) == Verdict::Caution;
        });
        lines.push_back(dayListLine(std::string(rhythmName(rhythm)) + "の要注意日：", days));
    }
    return lines;
}

std::string monthDaysHeading(double year, double month) {
    return monthText(year, month) + "の毎日の調子";
}

std::vector<std::string> dayVerdictLines(const MonthReading& month, int firstWeekday) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < month.days.size(); ++i) {
        const int weekday = (firstWeekday + static_cast<int>(i)) % 7;
        std::string line = std::to_string(i + 1);
        line += "日（";
        line += weekdayName(weekday);
        line += "）　";
        line += verdictSummary(month.days[i]);
        lines.push_back(std::move(line));
    }
    return lines;
}

TextAlternative readingGraphText(const DiagnosisState& s) {
    const MonthReading month = monthReading({s.y1, s.m1, s.d1}, s.y2, s.m2);
    TextAlternative text{monthGraphTitle(s.m2), cautionDayLines(month)};
    text.lines.push_back(monthDaysHeading(s.y2, s.m2));
    for (std::string& line : dayVerdictLines(month, s.wday2)) text.lines.push_back(std::move(line));
    return text;
}

BirthRecord currentBirth(const DiagnosisState& s) {
    return {s.eraname, s.erayeartext, s.bmonthtext, s.bdaytext, {s.y1, s.m1, s.d1}};
}

std::string birthText(const BirthRecord& birth) {
    const DateNumbers& date = birth.western;
    const std::optional<int> weekday = weekdayOf(dayNumber(date.year, date.month, date.day));
    return birth.eraname + birth.erayeartext + "年" + birth.bmonthtext + "月" + birth.bdaytext +
           "日生まれ（西暦" + numberText(date.year) + "年" +
           (weekday ? "・" + std::string(weekdayName(*weekday)) : std::string()) + "）";
}

std::string monthText(double year, double month) {
    return numberText(year) + "年" + numberText(month) + "月";
}

std::string targetDateText(const DiagnosisState& s) {
    return monthText(s.tyear, s.tmonth) + numberText(s.tday) + "日";
}

}  // namespace bio
