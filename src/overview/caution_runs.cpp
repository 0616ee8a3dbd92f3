#include "overview/caution_runs.h"

#include <array>
#include <optional>

#include "calendar/month_step.h"
#include "reading/reading.h"

namespace bio {

namespace {

// Calls `visit(day)` for each real day from the 1st `first` up to the 1st `end`.
template <typename Visit>
void forEachDay(const Date& first, const Date& end, Visit visit) {
    for (Date month = first; month != end; month = *stepMonth(month, 1)) {
        const int length = gregorianMonthLength(month.year, month.month);  // 28..31
        for (int day = 1; day <= length; ++day) visit(Date{month.year, month.month, day});
    }
}

}  // namespace

std::vector<CautionRun> cautionRuns(const std::vector<CautionPerson>& persons, const Date& first,
                                    const Date& end) {
    std::vector<CautionRun> runs;
    for (std::size_t person = 0; person < persons.size(); ++person) {
        std::array<std::vector<CautionRun>, kRhythms.size()> byRhythm;
        std::array<std::optional<Date>, kRhythms.size()> started;  // the open run's first day
        const auto close = [&](std::size_t r, const Date& day) {
            byRhythm[r].push_back({person, kRhythms[r], *started[r], day});
            started[r].reset();
        };
        forEachDay(first, end, [&](const Date& day) {
            const Reading reading = readingFor(persons[person].birth, numbersOf(day));
            for (std::size_t r = 0; r < kRhythms.size(); ++r) {
                const bool caution = reading.verdict(kRhythms[r]) == Verdict::Caution;
                if (caution && !started[r]) started[r] = day;
                if (!caution && started[r]) close(r, day);
            }
        });
        for (std::size_t r = 0; r < kRhythms.size(); ++r) {
            if (started[r]) close(r, end);
            runs.insert(runs.end(), byRhythm[r].begin(), byRhythm[r].end());
        }
    }
    return runs;
}

}  // namespace bio
