#include "geometry/touching_points.h"

#include <cmath>

#include "geometry/degrees.h"
#include "geometry/solution_set.h"

namespace draftcalc::geometry {

Point FootOnLine(Point p, const Line& line) {
  const Vector along = UnitVector(line.direction);
  const Point base = line.point + line.offset * LeftOf(along);
  return base + Dot(p - base, along) * along;
}

Point TouchOnCircle(const Circle& answer, const Circle& given) {
  const double givenRadius = std::fabs(given.radius);
  const Vector apart = answer.centre - given.centre;
  const double distance = Length(apart);
  if (!(distance > 0)) return given.centre + Vector{givenRadius, 0};
  const Vector towards = (1 / distance) * apart;
  const Point near = given.centre + givenRadius * towards;
  const Point far = given.centre + (-givenRadius) * towards;
  const double radius = std::fabs(answer.radius);
  const double nearMiss = std::fabs(Distance(near, answer.centre) - radius);
  const double farMiss = std::fabs(Distance(far, answer.centre) - radius);
  return nearMiss <= farMiss ? near : far;
}

}  // namespace draftcalc::geometry
