#pragma once

#include <optional>
#include <vector>

#include "geometry/plane.h"

namespace draftcalc::geometry {

// The direction from one point to another in (-180, 180]; nothing for
// coincident points.
std::optional<double> DirectionBetween(Point from, Point to);

// The lines touching both circles (a circle of radius 0 is a point the line
// passes through), each with its touching points and its direction from
// the first towards the second. Two separate circles have four: the two
// outer ones and the two that cross between them; circles that touch from
// outside three (the one at the contact point once); crossing circles the
// two outer ones; circles that touch inside one; a point outside a circle
// two, a point on it one (the tangent there), inside none. Concentric circles
// have none. Where both touching points coincide the direction is the line
// of centres turned a quarter turn counter-clockwise.
// Order: counter-clockwise around the first centre by the first touching
// point, then by direction (see SortAround).
std::vector<TangentLine> CommonTangents(const Circle& circle1, const Circle& circle2);

}  // namespace draftcalc::geometry
