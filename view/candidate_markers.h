#pragma once

#include <span>
#include <vector>

#include "candidates/candidate.h"
#include "geometry/plane.h"

namespace draftcalc::view {

// Where each candidate's numbered marker sits, in candidate order: at the
// candidate's point (a circle's centre, an intersection, where a tangent
// touches row 1's element), except for tangent lines that share that point
// (every tangent from a point): those are marked where they touch the other
// element, so that no two markers of distinct answers fall together.
std::vector<geometry::Point> MarkerPoints(std::span<const candidates::Candidate> candidates);

}  // namespace draftcalc::view
