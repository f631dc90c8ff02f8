#pragma once

#include "core/result_captions.h"
#include "solvers/outcome.h"

namespace draftcalc {

// Writes what a solver found into the captions: its numbers as number texts
// and its remark; a caption the outcome has no value for is left as it is.
// A number that is not finite has no text: then only the remark that the
// numbers are out of range is shown.
void ShowOutcome(const Outcome& outcome, ResultCaptions& captions);

}  // namespace draftcalc
