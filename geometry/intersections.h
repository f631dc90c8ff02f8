#pragma once

#include <optional>
#include <vector>

#include "geometry/plane.h"

namespace draftcalc::geometry {

// Where two lines cross; nothing for parallel (or coincident) lines.
std::optional<Point> Intersection(const Line& line1, const Line& line2);

// Where a line meets a circle: none, the touching point, or two points,
// counter-clockwise around the line's point (see SortAround).
std::vector<Point> Intersections(const Line& line, const Circle& circle);

// Where two circles meet: none, the touching point, or two points,
// counter-clockwise around the first centre. Concentric circles: none.
std::vector<Point> Intersections(const Circle& circle1, const Circle& circle2);

// The same points appended to `to` in no particular order, for
// constructions that gather the points of several and order them once.
void AppendIntersections(const Line& line, const Circle& circle, std::vector<Point>& to);
void AppendIntersections(const Circle& circle1, const Circle& circle2, std::vector<Point>& to);

}  // namespace draftcalc::geometry
