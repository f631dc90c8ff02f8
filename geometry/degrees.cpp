#include "geometry/degrees.h"

#include <cmath>
#include <numbers>

#include "geometry/portable_math.h"

namespace draftcalc::geometry {
namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180;

}  // namespace

Vector UnitVector(double degrees) {
  // remquo leaves an exact remainder in [-45, 45] and the low bits of the
  // number of quarter turns.
  int quarterTurns = 0;
  const double rest = std::remquo(degrees, 90.0, &quarterTurns);
  // The geometry's own cos and sin, not the C library's: the native and the
  // WebAssembly builds must print the same digits (geometry/portable_math.h).
  const double c = portable::Cos(rest * kRadiansPerDegree), s = portable::Sin(rest * kRadiansPerDegree);
  switch (quarterTurns & 3) {
    case 0:
      return {c, s};
    case 1:
      return {-s, c};
    case 2:
      return {-c, -s};
    default:
      return {s, -c};
  }
}

double SineOfDegrees(double degrees) { return UnitVector(degrees).y; }

double DirectionOf(Vector v) {
  if (v.y == 0) return v.x < 0 ? 180 : 0;
  if (v.x == 0) return v.y > 0 ? 90 : -90;
  // The geometry's own atan2 for the same digits in every build, as above.
  // The division may round a direction just above -180 (or at 180) past the end.
  const double degrees = portable::Atan2(v.y, v.x) / kRadiansPerDegree;
  return degrees <= -180 || degrees > 180 ? 180 : degrees;
}

double AngleBetween(double degrees1, double degrees2, bool asLines) {
  return std::fabs(std::remainder(degrees1 - degrees2, asLines ? 180.0 : 360.0));
}

}  // namespace draftcalc::geometry
