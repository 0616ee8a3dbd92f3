#pragma once
// A person's date texts as typed on an input screen, taken into the state the
// way both readings do it.

#include <string>

#include "state/diagnosis_state.h"

namespace bio {

struct TypedInputs {
    std::string name;
    std::string eraYear, birthMonth, birthDay;
    std::string targetYear, targetMonth, targetDay;
};

// names(person) and the six texts as typed, their numeric values, and the day
// count's inputs y1, m1, d1, y2, m2, d2 (y1 is the era year until the day count
// replaces it with the Western birth year).
void storeTypedInputs(DiagnosisState& s, const TypedInputs& in);

}  // namespace bio
