#pragma once

#include "core/calc_state.h"

namespace draftcalc {

// Empties the five captions, zeroes element rows 1..3 and resets elemNo,
// twoElem and the record of the calculation that ran. Spare slots are left
// as they are.
void ClearResults(CalcState& s);

}  // namespace draftcalc
