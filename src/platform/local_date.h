#pragma once

#include <chrono>

namespace bio {

// Today's date in the system's local time zone.
std::chrono::year_month_day localDate();

}  // namespace bio
