#pragma once

#include <vector>

#include "candidates/candidate.h"
#include "core/calc_state.h"

namespace draftcalc::candidates {

// The geometric answers of a calculation, unnumbered and without edits, in
// the order of FindCandidates; the scale of the figure (the largest
// magnitude among its coordinates, radii, offsets and the value C); and its
// size: the same taken around row 1's point, the answers included, so that
// it does not grow with the figure's distance from the origin.
struct GeometricAnswers {
  std::vector<Candidate> candidates;
  double scale = 0;
  double size = 0;
};

// `ran` is the calculation the texts ask for; `table` holds rows 1..3 as
// ReadInputRows reads them. For the point, value row and circle rows, the
// answers of both routes, whichever ran.
GeometricAnswers GeometricAnswersOf(CalculationId ran, const CalcState& table);

}  // namespace draftcalc::candidates
