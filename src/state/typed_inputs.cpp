#include "state/typed_inputs.h"

#include "state/numbers.h"

namespace bio {

void storeTypedInputs(DiagnosisState& s, const TypedInputs& in) {
    s.names[s.person] = in.name;
    s.erayeartext = in.eraYear;
    s.bmonthtext = in.birthMonth;
    s.bdaytext = in.birthDay;
    s.tyeartext = in.targetYear;
    s.tmonthtext = in.targetMonth;
    s.tdaytext = in.targetDay;

    s.erayear = eraYearValue(s.erayeartext);
    s.y1 = s.erayear;
    s.bmonth = numericValue(s.bmonthtext);
    s.m1 = s.bmonth;
    s.bday = numericValue(s.bdaytext);
    s.d1 = s.bday;
    s.tyear = numericValue(s.tyeartext);
    s.y2 = s.tyear;
    s.tmonth = numericValue(s.tmonthtext);
    s.m2 = s.tmonth;
    s.tday = numericValue(s.tdaytext);
    s.d2 = s.tday;
}

}  // namespace bio
