#pragma once
// The caution days of persons over whole months, as runs of consecutive days:
// what a calendar shows as one event per run.

#include <cstddef>
#include <string>
#include <vector>

#include "reading/verdict.h"
#include "state/date.h"

namespace bio {

// A person as the exports name and read them.
struct CautionPerson {
    std::string name;  // as typed or stored, without the register's padding
    DateNumbers birth;
};

// Consecutive caution days of one person in one rhythm.
struct CautionRun {
    std::size_t person = 0;  // index into the persons
    Rhythm rhythm = Rhythm::Emotion;
    Date first;
    Date end;  // the day after the last

    bool operator==(const CautionRun&) const = default;
};

// Every run of each person (in order), rhythm by rhythm, in date order,
// within the real days from `first` (a 1st) up to `end` (a later 1st): the
// caution days of the readings, a run that goes on past `end` cut there.
std::vector<CautionRun> cautionRuns(const std::vector<CautionPerson>& persons, const Date& first,
                                    const Date& end);

}  // namespace bio
