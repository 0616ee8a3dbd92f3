#include "ui/system_clock.h"

#include "platform/local_date.h"

namespace bio {

Date SystemClock::today() {
    const std::chrono::year_month_day local = localDate();
    return {static_cast<int>(local.year()), static_cast<int>(static_cast<unsigned>(local.month())),
            static_cast<int>(static_cast<unsigned>(local.day()))};
}

}  // namespace bio
