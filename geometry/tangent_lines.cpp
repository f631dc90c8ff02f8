#include "geometry/tangent_lines.h"

#include <cmath>
#include <tuple>

#include "geometry/degrees.h"
#include "geometry/solution_set.h"

namespace draftcalc::geometry {

std::optional<double> DirectionBetween(Point from, Point to) {
  if (from == to) return std::nullopt;
  return DirectionOf(to - from);
}

// Each tangent is one choice of the side on which it passes each circle:
// with signed radii s1, s2 it touches circle i at centre_i + s_i * m, where m
// is the unit normal on its right. Its direction turns from the line of
// centres by the angle whose sine is (s1 - s2) / d.
std::vector<TangentLine> CommonTangents(const Circle& circle1, const Circle& circle2) {
  const double scale = ScaleOf(circle1, circle2);
  const double tolerance = kTouchTolerance * scale;
  const double r1 = std::fabs(circle1.radius), r2 = std::fabs(circle2.radius);
  const Vector between = circle2.centre - circle1.centre;
  const double d = Length(between);
  if (d <= tolerance) return {};
  const Vector e = (1 / d) * between;

  std::vector<TangentLine> tangents;
  const double sides[4][2] = {{r1, r2}, {-r1, -r2}, {r1, -r2}, {-r1, r2}};
  for (const auto& [s1, s2] : sides) {
    const double reach = std::fabs(s1 - s2);
    if (reach > d + tolerance) continue;
    const bool touchesAtOnePoint = std::fabs(reach - d) <= tolerance;
    const double sine = touchesAtOnePoint ? (s1 >= s2 ? 1 : -1) : (s1 - s2) / d;
    const double cosine = touchesAtOnePoint ? 0 : std::sqrt((d - reach) * (d + reach)) / d;
    const Vector u = cosine * e + sine * LeftOf(e);
    const Vector right = {u.y, -u.x};
    const Point first = circle1.centre + s1 * right;
    const Point second = touchesAtOnePoint ? first : circle2.centre + s2 * right;
    tangents.push_back({first, second, DirectionOf(touchesAtOnePoint ? LeftOf(e) : u)});
  }
  MergeDuplicates(
      tangents, [&](const TangentLine& a, const TangentLine& b) { return SameTangent(a, b, scale); },
      [](const TangentLine& t) {
        return std::tuple{t.first.x, t.first.y, t.direction};
      });
  SortAround(circle1.centre, tangents, scale, [](const TangentLine& t) { return std::pair{t.first, t.direction}; });
  return tangents;
}

}  // namespace draftcalc::geometry
