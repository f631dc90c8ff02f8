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

// The ends of a chord at distance h from the centre of a circle of radius r,
// at `along` from `foot` on either side along `direction`, where `along`
// squared is (r - h)(r + h); the touching point once where h is r.
void AppendChordEnds(Point foot, Vector direction, double r, double h, double tolerance, std::vector<Point>& to) {
  if (h > r + tolerance) return;
  if (std::fabs(h - r) <= tolerance) {
    to.push_back(foot);
    return;
  }
  const double along = std::sqrt(std::max(0.0, (r - h) * (r + h)));
  to.push_back(foot + along * direction);
  to.push_back(foot + (-along) * direction);
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

void AppendIntersections(const Line& line, const Circle& circle, std::vector<Point>& to) {
  const Vector u = UnitVector(line.direction);
  const Vector n = LeftOf(u);
  // Signed distance of the line from the centre, along the normal n.
  const double h = Dot(n, line.point - circle.centre) + line.offset;
  const Point foot = circle.centre + h * n;
  AppendChordEnds(foot, u, std::fabs(circle.radius), std::fabs(h), kTouchTolerance * ScaleOf(line, circle), to);
}

void AppendIntersections(const Circle& circle1, const Circle& circle2, std::vector<Point>& to) {
  const double tolerance = kTouchTolerance * ScaleOf(circle1, circle2);
  const double r1 = std::fabs(circle1.radius), r2 = std::fabs(circle2.radius);
  const Vector between = circle2.centre - circle1.centre;
  const double d = Length(between);
  if (d <= tolerance) return;
  const Vector e = (1 / d) * between;

  if (std::fabs(d - (r1 + r2)) <= tolerance) return to.push_back(circle1.centre + r1 * e);
  if (std::fabs(d - std::fabs(r1 - r2)) <= tolerance) return to.push_back(circle1.centre + (r1 >= r2 ? r1 : -r1) * e);
  if (d > r1 + r2 || d < std::fabs(r1 - r2)) return;
  // a: the signed distance from centre 1 to the common chord, by the law of cosines.
  const double a = (d + (r1 - r2) * (r1 + r2) / d) / 2;
  AppendChordEnds(circle1.centre + a * e, LeftOf(e), r1, std::fabs(a), 0, to);
}

std::vector<Point> Intersections(const Line& line, const Circle& circle) {
  std::vector<Point> points;
  AppendIntersections(line, circle, points);
  return Sorted(line.point, std::move(points), ScaleOf(line, circle));
}

std::vector<Point> Intersections(const Circle& circle1, const Circle& circle2) {
  std::vector<Point> points;
  AppendIntersections(circle1, circle2, points);
  return Sorted(circle1.centre, std::move(points), ScaleOf(circle1, circle2));
}

}  // namespace draftcalc::geometry
