#pragma once

// Whether an answer of the exact geometry touches or passes through a given
// element, within 1e-9 of the figure's scale, computed directly from the
// definitions (distances from centres and lines) and not through the
// geometry's own helpers.

#include <cmath>
#include <numbers>

#include "geometry/plane.h"

namespace draftcalc::testing_touch {

inline constexpr double kRelative = 1e-9;

inline double Radians(double degrees) { return degrees * std::numbers::pi / 180; }

inline double Between(geometry::Point a, geometry::Point b) { return std::hypot(a.x - b.x, a.y - b.y); }

// Distance of a point from a line (with its offset to the left).
inline double FromLine(const geometry::Line& l, geometry::Point q) {
  const double along = Radians(l.direction);
  return std::fabs(-(q.x - l.point.x) * std::sin(along) + (q.y - l.point.y) * std::cos(along) - l.offset);
}

inline bool Near(double value, double expected, double scale) {
  return std::fabs(value - expected) <= kRelative * scale;
}

inline bool OnCircle(geometry::Point q, const geometry::Circle& c, double scale) {
  return Near(Between(q, c.centre), std::fabs(c.radius), scale);
}
inline bool OnLine(geometry::Point q, const geometry::Line& l, double scale) { return Near(FromLine(l, q), 0, scale); }

// A circle touches another from outside or from inside (either holding the other).
inline bool TouchesCircle(const geometry::Circle& answer, const geometry::Circle& given, double scale) {
  const double d = Between(answer.centre, given.centre);
  const double r1 = std::fabs(answer.radius), r2 = std::fabs(given.radius);
  return Near(d, r1 + r2, scale) || Near(d, std::fabs(r1 - r2), scale);
}
inline bool TouchesLine(const geometry::Circle& answer, const geometry::Line& l, double scale) {
  return Near(FromLine(l, answer.centre), std::fabs(answer.radius), scale);
}
inline bool PassesThrough(const geometry::Circle& answer, geometry::Point p, double scale) {
  return OnCircle(p, answer, scale);
}

// A line through `at` in `direction` (degrees) touches the circle (a circle of
// radius 0 is a point on it).
inline bool LineTouches(geometry::Point at, double direction, const geometry::Circle& c, double scale) {
  return Near(FromLine(geometry::Line{at, direction, 0}, c.centre), std::fabs(c.radius), scale);
}

}  // namespace draftcalc::testing_touch
