#pragma once

#include <vector>

#include "geometry/plane.h"

// Circles of a given radius that touch (or pass through) two given
// elements. The radius is taken by its magnitude; every answer has that
// radius. A circle touches another from outside or from inside (either may
// hold the other); a line on either side. Each function returns every
// distinct answer, counter-clockwise around its first argument's point or
// centre (see SortAround).

namespace draftcalc::geometry {

// Through the point and touching the circle: up to 4.
std::vector<Circle> CirclesThroughPointTouchingCircle(Point point, const Circle& circle, double radius);

// Touching the circle and one of the tangents drawn from the point to it:
// for each tangent, the circles touching that line and the circle (up to 4
// each: the two at the touching point, one on either side, and the two in
// the corners between line and circle). A circle that touches both tangents
// is listed once for each. Order as above, then by tangent direction.
std::vector<CircleOnTangent> CirclesTouchingCircleAndTangent(Point point, const Circle& circle, double radius);

// Touching the line and the circle: up to 8.
std::vector<Circle> CirclesTouchingLineAndCircle(const Line& line, const Circle& circle, double radius);

// Touching both circles: up to 8.
std::vector<Circle> CirclesTouchingTwoCircles(const Circle& circle1, const Circle& circle2, double radius);

// Touching both lines (the fillets of their corners): 4 for crossing lines,
// counter-clockwise around the crossing point; none for parallel lines
// unless they lie 2 |radius| apart, when every circle between them along the
// middle line touches both: then the two opposite each line's typed point
// (the feet of the perpendiculars from them), one where those are the same,
// counter-clockwise around line 1's point.
// A radius of 0 gives the crossing point.
std::vector<Circle> CirclesTouchingTwoLines(const Line& line1, const Line& line2, double radius);

// Through the point and touching the line: 2 for a point on the line (one
// on either side) or off it by less than 2 |radius|, 1 at exactly that
// distance, none farther; counter-clockwise around the point.
std::vector<Circle> CirclesThroughPointTouchingLine(Point point, const Line& line, double radius);

}  // namespace draftcalc::geometry
