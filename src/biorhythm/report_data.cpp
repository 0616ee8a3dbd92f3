#include "biorhythm/report_data.h"

#include <optional>

#include "biorhythm/graph_steps.h"
#include "calendar/calendar.h"
#include "state/numbers.h"

namespace bio {

std::vector<CycleDays> monthCycleDays(double year, double month, double birthDayNumber) {
    std::vector<CycleDays> days;
    const int positions = monthDayPositions(month, year);  // 28..31
    for (int day = 1; day <= positions; ++day) {
        const double lived = dayNumber(year, month, day) - birthDayNumber;
        days.push_back(cycleDaysAfter(lived));
    }
    return days;
}

std::vector<int> daysWhere(std::size_t count, const std::function<bool(std::size_t)>& holds) {
    std::vector<int> days;
    for (std::size_t i = 0; i < count; ++i)
        if (holds(i)) days.push_back(static_cast<int>(i) + 1);
    return days;
}

std::string dayListLine(std::string_view label, const std::vector<int>& days) {
    std::string line(label);
    if (days.empty()) return line + "なし";
    for (std::size_t i = 0; i < days.size(); ++i) line += (i ? "，" : "") + numberText(days[i]);
    return line + "日";
}

std::vector<std::string> cautionDayLines(const std::vector<CycleDays>& month) {
    std::vector<std::string> lines;
    for (Rhythm rhythm : kRhythms) {
        const std::vector<int> days = daysWhere(month.size(), [&](std::size_t i) {
            return classify(rhythm, dayOf(month[i], rhythm)) == Verdict::Caution;
        });
        lines.push_back(dayListLine(std::string(rhythmName(rhythm)) + "の要注意日：", days));
    }
    return lines;
}

BirthRecord currentBirth(const DiagnosisState& s) {
    return {s.eraname, s.erayeartext, s.bmonthtext, s.bdaytext, s.byear, s.daynum1};
}

std::string birthText(const BirthRecord& birth) {
    const std::optional<int> weekday = weekdayOf(birth.daynum1);
    return birth.eraname + birth.erayeartext + "年" + birth.bmonthtext + "月" + birth.bdaytext +
           "日生まれ（西暦" + numberText(birth.byear) + "年" +
           (weekday ? "・" + std::string(weekdayName(*weekday)) : std::string()) + "）";
}

std::string monthText(double year, double month) {
    return numberText(year) + "年" + numberText(month) + "月";
}

std::string targetDateText(const DiagnosisState& s) {
    return monthText(s.tyear, s.tmonth) + numberText(s.tday) + "日";
}

}  // namespace bio
