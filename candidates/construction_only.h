#pragma once

#include <vector>

#include "candidates/candidate.h"
#include "core/input_texts.h"

namespace draftcalc::candidates {

// The answers of the constructions no calculation gives, for the rows that
// describe them (read as the calculation reads its rows: D codes, leading
// numbers), unnumbered:
// - line / value / line (row 3 in use): the circles of radius |C| touching
//   both lines, each with its touching points on line 1 and on line 3,
//   counter-clockwise around the crossing point;
// - point / value / line or line / value / point: the circles of radius |C|
//   through the point touching the line, with the touching point,
//   counter-clockwise around the point;
// - point / line or line / point with row 3 not in use: the foot of the
//   perpendicular from the point, its distance as the radius and the line's
//   direction as the direction.
// None for any other rows.
std::vector<Candidate> ConstructionOnlyCandidates(const InputTexts& texts);

}  // namespace draftcalc::candidates
