#pragma once

#include <array>
#include <string>

#include "candidates/candidate.h"
#include "core/input_texts.h"

namespace draftcalc::candidates {

// The eight box texts (X, Y, D, A, B, C, R, S) of an input row that is the
// candidate's element, so that a found answer can be carried into the next
// calculation; numbers in full precision (ShortestNumberText), the other
// boxes empty:
// - a circle (an answer circle of radius above 0): X, Y, D 0, R, S 1;
// - a line (a tangent, the line of the angle of two points, and the
//   perpendicular through the foot of a perpendicular): X, Y, D 3, A, B 0;
//   the perpendicular runs from the foot towards the point it was dropped
//   from (a quarter turn left of the line where the point is on it);
// - a point (an intersection, a circle of radius 0): X, Y, D 8.
std::array<std::string, kColumnCount> RowTextsOf(const Candidate& candidate);

}  // namespace draftcalc::candidates
