#pragma once

#include "core/calc_state.h"
#include "core/input_texts.h"

namespace draftcalc {

// One press of Calculate, up to the redraw: clear the results, read the
// three rows, decide between two and three elements, run the dispatcher.
// The captions are left in s.captions.
void RunCalculation(CalcState& s, const InputTexts& texts);

// The same on a fresh state: 24 texts in, the five captions out.
ResultCaptions Calculate(const InputTexts& texts);

}  // namespace draftcalc
