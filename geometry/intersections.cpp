#include "geometry/intersections.h"

#include <algorithm>
#include <cmath>

#include "geometry/degrees.h"
#include "geometry/solution_set.h"

namespace draftcalc::geometry {
namespace {

// The point of the line nearest to the origin of its own reference point,
// moved by the offset: the line is {Base(l) + t * UnitVector(direction)}.
Point Base(const Line& l) { return l.point + l.offset * LeftOf(UnitVector(l.direction)); }

std::vector<Point> Sorted(Point reference, std::vector<Point> points, double scale) {
  SortAround(reference, points, scale, [](Point p) { return std::pair{p, 0.0}; });
  return points;
}

// The points of a chord (or a touching point) at `along` from `foot` on
// either side along `direction`; `along` squared is (r - h)(r + h).
std::vector<Point> ChordEnds(Point foot, Vector direction, double r, double h, double tolerance) {
  if (h > r + tolerance) return {};
  if (std::fabs(h - r) <= tolerance) return {foot};
  const double along = std::sqrt((r - h) * (r + h));
  return {foot + along * direction, foot + (-along) * direction};
}

}  // namespace

std::optional<Point> Intersection(const Line& line1, const Line& line2) {
  // Along line 1 from its base by t, until the signed distance from line 2 is 0.
  const double sine = SineOfDegrees(line1.direction - line2.direction);
  if (std::fabs(sine) <= kParallelSine) return std::nullopt;
  const Vector u1 = UnitVector(line1.direction);
  const Vector n2 = LeftOf(UnitVector(line2.direction));
  const Point base1 = Base(line1);
  const double t = (Dot(n2, line2.point - base1) + line2.offset) / sine;
  return base1 + t * u1;
}

std::vector<Point> Intersections(const Line& line, const Circle& circle) {
  const double scale = ScaleOf(line, circle);
  const Vector u = UnitVector(line.direction);
  const Vector n = LeftOf(u);
  // Signed distance of the line from the centre, along the normal n.
  const double h = Dot(n, line.point - circle.centre) + line.offset;
  const Point foot = circle.centre + h * n;
  const double r = std::fabs(circle.radius);
  return Sorted(line.point, ChordEnds(foot, u, r, std::fabs(h), kTouchTolerance * scale), scale);
}

std::vector<Point> Intersections(const Circle& circle1, const Circle& circle2) {
  const double scale = ScaleOf(circle1, circle2);
  const double tolerance = kTouchTolerance * scale;
  const double r1 = std::fabs(circle1.radius), r2 = std::fabs(circle2.radius);
  const Vector between = circle2.centre - circle1.centre;
  const double d = std::hypot(between.x, between.y);
  if (d <= tolerance) return {};
  const Vector e = (1 / d) * between;

  if (std::fabs(d - (r1 + r2)) <= tolerance) return {circle1.centre + r1 * e};
  if (std::fabs(d - std::fabs(r1 - r2)) <= tolerance) return {circle1.centre + (r1 >= r2 ? r1 : -r1) * e};
  if (d > r1 + r2 || d < std::fabs(r1 - r2)) return {};
  // a: the signed distance from centre 1 to the common chord, by the law of cosines.
  const double a = (d + (r1 - r2) * (r1 + r2) / d) / 2;
  const double halfChord = std::sqrt(std::max(0.0, (r1 - std::fabs(a)) * (r1 + std::fabs(a))));
  const Point foot = circle1.centre + a * e;
  return Sorted(circle1.centre, {foot + halfChord * LeftOf(e), foot + (-halfChord) * LeftOf(e)}, scale);
}

}  // namespace draftcalc::geometry
