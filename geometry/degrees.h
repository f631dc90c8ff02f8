#pragma once

#include "geometry/plane.h"

namespace draftcalc::geometry {

// The unit vector at `degrees`, with true pi. Whole quarter turns are taken
// out exactly first, so 90 gives (0, 1) and 210 gives exactly the negation
// of 30: lines typed a half turn apart come out exactly parallel.
Vector UnitVector(double degrees);

// sin(degrees) with the same exact quarter turns.
double SineOfDegrees(double degrees);

// The direction of a nonzero vector in degrees, in (-180, 180]; exact along
// the axes (0, 90, 180, -90).
double DirectionOf(Vector v);

// The smallest angle between two directions, in degrees: in [0, 180], or in
// [0, 90] when `asLines` (directions a half turn apart are the same line).
double AngleBetween(double degrees1, double degrees2, bool asLines);

}  // namespace draftcalc::geometry
