#pragma once

#include "geometry/plane.h"

// Where an answer circle touches the elements it was made to touch: the
// points a drafter programs as the ends of its arc.

namespace draftcalc::geometry {

// The foot of the perpendicular from `p` to the line (its offset included).
Point FootOnLine(Point p, const Line& line);

// Where the circle `answer` touches (or passes through) the circle `given`:
// of the two points of `given` on the line of centres, the one whose
// distance from the answer's centre is nearer its radius. Concentric
// circles (the same circle, where they touch at all) give the point of
// `given` at direction 0.
Point TouchOnCircle(const Circle& answer, const Circle& given);

}  // namespace draftcalc::geometry
