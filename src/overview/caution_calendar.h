#pragma once
// Caution days as an iCalendar file (RFC 5545) that calendar programs import:
// one all-day event per run, free time, with a UID that a later export of the
// same run repeats, so that importing it again updates instead of doubling.

#include <string>
#include <string_view>
#include <vector>

#include "overview/caution_runs.h"

namespace bio {

// The calendar of `runs` of `persons`, stamped with `today` at 00:00:00 UTC,
// as the bytes of a .ics file (UTF-8, CR LF, folded lines).
std::string cautionCalendar(const std::vector<CautionPerson>& persons,
                            const std::vector<CautionRun>& runs, const Date& today,
                            std::string_view version);

}  // namespace bio
