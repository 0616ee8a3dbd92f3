#pragma once
// The real (proleptic Gregorian) calendar, as the reference the day numbers
// are checked against.

#include <chrono>
#include <string>

#include "calendar/calendar.h"

namespace bio::testing {

inline constexpr std::chrono::sys_days kDayNumberOrigin{std::chrono::year{1900} /
                                                        std::chrono::March / 4};

inline double dayNumberOf(std::chrono::sys_days date) {
    const std::chrono::year_month_day ymd{date};
    return dayNumber(static_cast<int>(ymd.year()), static_cast<unsigned>(ymd.month()),
                     static_cast<unsigned>(ymd.day()));
}

// Days since 4 March 1900 in the real calendar.
inline double exactCount(std::chrono::sys_days date) { return (date - kDayNumberOrigin).count(); }

// "1963-5-10", for failure messages.
inline std::string dateText(std::chrono::sys_days date) {
    const std::chrono::year_month_day ymd{date};
    return std::to_string(static_cast<int>(ymd.year())) + "-" +
           std::to_string(static_cast<unsigned>(ymd.month())) + "-" +
           std::to_string(static_cast<unsigned>(ymd.day()));
}

}  // namespace bio::testing
