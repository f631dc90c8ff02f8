#pragma once

#include "core/calc_state.h"
#include "core/input_reading.h"

namespace draftcalc {

// Chooses the calculation from the kinds of the rows and twoElem alone (and,
// where two calculations share their rows, the values that tell them apart),
// records it in s.ran, runs its solver and shows what the solver found, or
// shows the order message when the kinds choose no calculation.
void DispatchCalculation(CalcState& s, const RowKinds& kinds);

}  // namespace draftcalc
