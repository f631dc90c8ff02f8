#pragma once

#include "core/calc_state.h"

namespace draftcalc {

// Chooses the calculation from the stored type codes and twoElem alone and
// runs exactly one solver, or shows the order message. A solver that
// abandons the calculation leaves only its remark.
void DispatchCalculation(CalcState& s);

}  // namespace draftcalc
