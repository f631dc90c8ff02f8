#include "geometry/solution_set.h"

#include <numbers>

namespace draftcalc::geometry {
namespace {

// Dimensionless tolerance of two directions, in degrees.
constexpr double kMergeDegrees = kMergeTolerance * 180 / std::numbers::pi;
// Angles around a reference are compared in steps of 1e-6 degrees.
constexpr double kAngleSteps = 1e6;

double MergeDistance(Point a, Point b, double scale) {
  return kMergeTolerance * std::max({scale, Magnitude(a), Magnitude(b)});
}

}  // namespace

bool SamePoint(Point a, Point b, double scale) { return Distance(a, b) <= MergeDistance(a, b, scale); }

bool SameCircle(const Circle& a, const Circle& b, double scale) {
  return SamePoint(a.centre, b.centre, scale) &&
         std::fabs(std::fabs(a.radius) - std::fabs(b.radius)) <= MergeDistance(a.centre, b.centre, scale);
}

bool SameTangent(const TangentLine& a, const TangentLine& b, double scale) {
  return SamePoint(a.first, b.first, scale) && AngleBetween(a.direction, b.direction, true) <= kMergeDegrees;
}

bool SameCircleOnTangent(const CircleOnTangent& a, const CircleOnTangent& b, double scale) {
  return SameCircle(a.circle, b.circle, scale) &&
         AngleBetween(a.tangentDirection, b.tangentDirection, false) <= kMergeDegrees;
}

OrderKey OrderAround(Point reference, Point p, double direction, double scale) {
  const double towardsDirection = direction < 0 ? direction + 360 : direction;
  if (SamePoint(reference, p, scale)) return {-1, 0, towardsDirection};
  double angle = DirectionOf(p - reference);
  if (angle < 0) angle += 360;
  return {std::round(angle * kAngleSteps) / kAngleSteps, Distance(reference, p), towardsDirection};
}

}  // namespace draftcalc::geometry
