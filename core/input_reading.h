#pragma once

#include "core/calc_state.h"
#include "core/input_texts.h"

namespace draftcalc {

// Reads input rows 0..2 into elements 1..3: X and Y always, the other
// columns as the typed D code says. Leaves elemNo at 3.
void ReadInputRows(CalcState& s, const InputTexts& texts);

// Sets twoElem from the D text of row 3: element 3 takes part exactly when
// that text is a number from 0 up to but not including 10.
void DecideElementCount(CalcState& s, const InputTexts& texts);

}  // namespace draftcalc
