#include "geometry/three_elements.h"

#include <cmath>

#include "geometry/degrees.h"
#include "geometry/solution_set.h"

namespace draftcalc::geometry {
namespace {

// A line as n . q = k with n its unit normal on the left.
struct NormalForm {
  Vector n;
  double k;
};

NormalForm NormalFormOf(const Line& l) {
  const Vector n = LeftOf(UnitVector(l.direction));
  return {n, Dot(n, Vector{l.point.x, l.point.y}) + l.offset};
}

// The point q with a . q = ka and b . q = kb, when the two rows are far from
// parallel (relative to their lengths).
std::optional<Point> SolveTwoByTwo(Vector a, double ka, Vector b, double kb) {
  const double det = Cross(a, b);
  if (std::fabs(det) <= kParallelSine * Length(a) * Length(b)) return std::nullopt;
  return Point{(ka * b.y - kb * a.y) / det, (a.x * kb - b.x * ka) / det};
}

}  // namespace

std::optional<Circle> CircleThroughThreePoints(Point p1, Point p2, Point p3) {
  const Vector a = p2 - p1, b = p3 - p1;
  const double aa = Dot(a, a), bb = Dot(b, b);
  const double det = 2 * Cross(a, b);
  if (aa == 0 || bb == 0 || std::fabs(det) <= 2 * kParallelSine * std::sqrt(aa * bb)) return std::nullopt;
  const Vector toCentre{(b.y * aa - a.y * bb) / det, (a.x * bb - b.x * aa) / det};
  return Circle{p1 + toCentre, Length(toCentre)};
}

// A centre at signed distances s1 = s2' = s3' from the lines, where each
// line but the first may be taken with either sign: two linear equations
// for each of the four sign choices.
std::vector<Circle> CirclesTouchingThreeLines(const Line& line1, const Line& line2, const Line& line3) {
  const double scale = ScaleOf(line1, line2, line3);
  const NormalForm f1 = NormalFormOf(line1), f2 = NormalFormOf(line2), f3 = NormalFormOf(line3);
  std::vector<Circle> circles;
  for (const double sign2 : {1.0, -1.0}) {
    for (const double sign3 : {1.0, -1.0}) {
      const Vector a = f1.n + (-sign2) * f2.n, b = f1.n + (-sign3) * f3.n;
      // Parallel lines taken the same way round: no centre at equal distances.
      if (Length(a) <= kParallelSine || Length(b) <= kParallelSine) continue;
      const auto centre = SolveTwoByTwo(a, f1.k - sign2 * f2.k, b, f1.k - sign3 * f3.k);
      if (!centre) continue;
      const double radius = std::fabs(Dot(f1.n, Vector{centre->x, centre->y}) - f1.k);
      if (radius > kTouchTolerance * std::max(scale, Magnitude(*centre))) circles.push_back({*centre, radius});
    }
  }
  MergeDuplicates(
      circles, [&](const Circle& a, const Circle& b) { return SameCircle(a, b, scale); }, CircleKey);
  SortAround(line1.point, circles, scale, [](const Circle& c) { return std::pair{c.centre, 0.0}; });
  return circles;
}

}  // namespace draftcalc::geometry
