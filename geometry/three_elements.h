#pragma once

#include <optional>
#include <vector>

#include "geometry/plane.h"

namespace draftcalc::geometry {

// The circle through three points; nothing when they lie on one line
// (within kParallelSine) or two of them coincide (then there are infinitely many).
std::optional<Circle> CircleThroughThreePoints(Point p1, Point p2, Point p3);

// The circles touching three lines (offsets included): for a triangle the
// inscribed circle and the three outside it; two when two of the lines are
// parallel (between those two); none when all three are parallel or pass
// through one point. Counter-clockwise around the first line's point.
std::vector<Circle> CirclesTouchingThreeLines(const Line& line1, const Line& line2, const Line& line3);

}  // namespace draftcalc::geometry
