#include "explain/explain.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "candidates/candidate_text.h"
#include "core/element_kind.h"
#include "core/input_reading.h"
#include "core/messages.h"
#include "core/number_parse.h"
#include "core/number_text.h"
#include "engine/calculation.h"
#include "explain/fix_search.h"
#include "geometry/intersections.h"
#include "geometry/plane.h"
#include "geometry/solution_set.h"
#include "geometry/tangent_lines.h"
#include "geometry/touching_circles.h"

namespace draftcalc::explain {
namespace {

using enum CalculationId;
using geometry::Circle;
using geometry::Line;
using geometry::Point;

// A number as the captions show it: four decimals at most.
std::string Num(double x) { return NumberText(RoundTo(x, 4)); }

// The rows as the calculation reads them (rows 0..2), in the geometry's terms.
struct Rows {
  explicit Rows(const InputTexts& texts) { kinds = ReadInputRows(table, texts); }

  Point PointAt(int row) const { return {table.elemX[row + 1], table.elemY[row + 1]}; }
  // A point is a circle of radius 0.
  double Radius(int row) const {
    return kinds[static_cast<size_t>(row)] == ElementKind::kCircle ? table.elemA[row + 1] : 0;
  }
  Circle CircleAt(int row) const { return {PointAt(row), Radius(row)}; }
  Line LineAt(int row) const { return {PointAt(row), table.elemA[row + 1], table.elemB[row + 1]}; }
  double C() const { return table.elemB[2]; }
  bool IsCircle(int row) const { return kinds[static_cast<size_t>(row)] == ElementKind::kCircle; }

  CalcState table;
  RowKinds kinds{};
};

// How far a point lies from a line, and on which side (left of its direction > 0).
double SignedDistance(const Line& line, Point p) {
  const geometry::Vector along = geometry::UnitVector(line.direction);
  return geometry::Dot(geometry::LeftOf(along), p - line.point) - line.offset;
}

std::string KindName(ElementKind kind) {
  switch (kind) {
    case ElementKind::kPoint:
      return "a point";
    case ElementKind::kLine1:
    case ElementKind::kLine2:
    case ElementKind::kLine3:
      return "a line";
    case ElementKind::kValueRow:
      return "a value row";
    case ElementKind::kCircle:
      return "a circle";
  }
  return "a row";
}

bool IsLine(ElementKind kind) {
  return kind == ElementKind::kLine1 || kind == ElementKind::kLine2 || kind == ElementKind::kLine3;
}

Explanation WrongOrder(const Rows& rows, FixSearch& search) {
  const ElementKind first = rows.kinds[0], second = rows.kinds[1];
  const std::string kinds = "rows 1 and 2 are " + KindName(first) + " and " + KindName(second) + ": ";
  std::string why;
  if (first == ElementKind::kValueRow) {
    why = kinds + "a value row (D 5) stands in row 2, between two elements";
  } else if (first == ElementKind::kLine2) {
    why = kinds + "D 2 marks the second of two lines; row 1 takes D 1 or 3";
    search.OfferText(0, colD, "1");
  } else if (IsLine(first) && second == ElementKind::kLine1) {
    why = kinds + "the second of two lines takes D 2 or 3";
    search.OfferText(1, colD, "2");
  } else if (first == ElementKind::kCircle && IsLine(second)) {
    why = kinds + "2.2 takes a circle then a line with D 3 (or the line first)";
    search.OfferText(1, colD, "3");
  } else if (second == ElementKind::kValueRow) {
    why = kinds + "a value row (D 5) in row 2 needs a circle in row 3 (D3 from 0 to below 10)";
  } else if ((first == ElementKind::kPoint && IsLine(second)) || (IsLine(first) && second == ElementKind::kPoint)) {
    why = kinds + "no calculation takes a point with a line (1.2 takes a point and a circle, 2.2 a line and a circle)";
  } else {
    why = kinds + "no calculation takes them in this order (see the catalogue)";
  }
  return {why, search.Best()};
}

// The signs select no answer, but the construction has some: the one the
// fewest edits give, said after the reason of the calculation's family.
std::optional<Explanation> OtherSigns(std::span<const candidates::Candidate> found) {
  const candidates::Candidate* best = nullptr;
  for (const candidates::Candidate& c : found) {
    if (!c.reachable || c.edits.empty()) continue;
    if (best == nullptr || c.edits.size() < best->edits.size()) best = &c;
  }
  if (best == nullptr) return std::nullopt;
  const std::string count = std::to_string(found.size());
  return Explanation{"the construction has " + count +
                         (found.size() == 1 ? " answer (the candidate)" : " answers (the candidates)") + ": " +
                         candidates::EditsInWords(*best) + " gives candidate " + std::to_string(best->number),
                     best->edits};
}

// 1.2 and 1.3: rows 0 and 1 are the point or circle and the circle; the
// calculation needs |R1 - R2| within the distance of the centres.
Explanation Tangents(const Rows& rows, CalculationId ran, FixSearch& search) {
  const Circle first = rows.CircleAt(0), second = rows.CircleAt(1);
  const double d = geometry::Distance(first.centre, second.centre);
  const double r1 = std::fabs(first.radius), r2 = std::fabs(second.radius);
  const bool point = ran == kTangentPointCircle;
  std::string why;
  if (d == 0) {
    why = point ? "the point is the circle's centre: no tangent passes through it"
                : "the circles share their centre (" + Num(first.centre.x) + ", " + Num(first.centre.y) +
                      "): they have no common tangent";
    return {why, {}};
  }
  if (point) {
    const double r = std::max(r1, r2);
    why = "the point lies " + Num(d) + " from the circle's centre, inside its radius " + Num(r) + ": " + Num(r - d) +
          " inside";
  } else if (d < std::fabs(r1 - r2)) {
    const bool firstInside = r1 < r2;
    why = "circle " + std::to_string(firstInside ? 1 : 2) + " lies inside circle " +
          std::to_string(firstInside ? 2 : 1) + ": the centres are " + Num(d) + " apart, less than the " +
          Num(std::fabs(r1 - r2)) + " between the radii: no common tangent";
  } else {
    why = "the signs of R ask for a tangent crossing between the circles, which overlap: the centres are " + Num(d) +
          " apart, less than the radii " + Num(r1) + " + " + Num(r2);
  }
  const double signed1 = rows.Radius(0), signed2 = rows.Radius(1);
  for (const int row : {0, 1}) {
    if (!rows.IsCircle(row)) continue;
    const double own = row == 0 ? signed1 : signed2, other = row == 0 ? signed2 : signed1;
    for (const double limit : {other - d, other + d}) search.Offer(row, colR, own, limit);
  }
  return {why, search.Best()};
}

Explanation Lines(const Rows& rows, int first, int second) {
  const Line a = rows.LineAt(first), b = rows.LineAt(second);
  if (const auto meet = geometry::Intersection(a, b)) {
    return {"lines " + std::to_string(first + 1) + " and " + std::to_string(second + 1) + " meet at (" + Num(meet->x) +
                ", " + Num(meet->y) + ") but so nearly parallel (A " + Num(a.direction) + " and " + Num(b.direction) +
                ") that the calculation's angles cannot tell where",
            {}};
  }
  const bool same =
      std::fabs(SignedDistance(a, b.point) + b.offset) < 1e-12 * std::max(1.0, geometry::Magnitude(b.point));
  return {"lines " + std::to_string(first + 1) + " and " + std::to_string(second + 1) +
              (same ? " coincide" : " are parallel") + " (A " + Num(a.direction) + " and " + Num(b.direction) + ")",
          {}};
}

// 2.2: a line and a circle, in either order.
Explanation LineAndCircle(const Rows& rows, FixSearch& search) {
  const int circleRow = rows.IsCircle(0) ? 0 : 1;
  const Circle circle = rows.CircleAt(circleRow);
  const double p = std::fabs(SignedDistance(rows.LineAt(1 - circleRow), circle.centre));
  const double r = std::fabs(circle.radius);
  std::string why =
      "the line passes " + Num(p) + " from the circle's centre; radius " + Num(r) + ": " + Num(p - r) + " short";
  if (p <= r) why = "the line touches the circle within " + Num(r - p) + ", too closely for the calculation's rounding";
  const double sign = circle.radius < 0 ? -1 : 1;
  search.Offer(circleRow, colR, circle.radius, sign * p);
  return {why, search.Best()};
}

// Limits on box R of `row` (circle `own`) and on C: the calculation's
// centre lies |R1 - C| from centre 1 and |R3 - C| from centre 3, which it
// finds only when ||R1 - C| - |R3 - C|| <= d <= |R1 - C| + |R3 - C|.
void OfferTwoCircleLimits(const Rows& rows, double d, bool withC, FixSearch& search) {
  const double c = withC ? rows.C() : 0;
  const double r1 = rows.Radius(0), r3 = rows.Radius(2);
  const auto offerRadius = [&](int row, double own, double other) {
    const double a = std::fabs(other - c);
    for (const double reach : {std::fabs(a - d), a + d}) {
      for (const double sign : {1.0, -1.0}) search.Offer(row, colR, own, c + sign * reach);
    }
  };
  if (rows.IsCircle(0)) offerRadius(0, r1, r3);
  offerRadius(2, r3, r1);
  if (withC) {
    for (const double limit : {(r1 + r3 - d) / 2, (r1 + r3 + d) / 2, (r1 + r3) / 2 - d, (r1 + r3) / 2 + d}) {
      search.Offer(1, colC, c, limit);
    }
  }
}

// 2.3: two circles meeting.
Explanation TwoCircles(const Rows& rows, FixSearch& search) {
  const Circle one = rows.CircleAt(0), three = rows.CircleAt(2);
  const double d = geometry::Distance(one.centre, three.centre);
  const double r1 = std::fabs(one.radius), r3 = std::fabs(three.radius);
  if (d == 0) return {"the circles share their centre: they do not meet", {}};
  std::string why;
  if (r1 == 0 || r3 == 0) {
    why = "circle " + std::to_string(r1 == 0 ? 1 : 3) + " has radius 0";
  } else if (d > r1 + r3) {
    why = "the centres are " + Num(d) + " apart; radii " + Num(r1) + " + " + Num(r3) + " reach " + Num(r1 + r3) + ": " +
          Num(d - r1 - r3) + " short";
  } else if (d < std::fabs(r1 - r3)) {
    why = "circle " + std::to_string(r1 < r3 ? 1 : 3) + " lies inside circle " + std::to_string(r1 < r3 ? 3 : 1) +
          ": the centres are " + Num(d) + " apart, less than the " + Num(std::fabs(r1 - r3)) +
          " between the radii: " + Num(std::fabs(r1 - r3) - d) + " too close to meet";
  } else {
    why = "the circles touch within " + Num(std::min(r1 + r3 - d, d - std::fabs(r1 - r3))) +
          ", too closely for the calculation's rounding";
  }
  OfferTwoCircleLimits(rows, d, false, search);
  return {why, search.Best()};
}

// A fix of C beyond the least |C| any touching circle needs: the signs ask
// for one that needs more, which the reason says.
Explanation WithTheSignsC(Explanation explanation, double least) {
  if (least == 0 || explanation.fix.size() != 1 || explanation.fix[0].column != colC) return explanation;
  const double c = ParseLeadingNumber(explanation.fix[0].text);
  if (std::fabs(c) > least + 1e-3) {
    explanation.why += "; with these signs the nearest C that gives one is " + explanation.fix[0].text;
  }
  return explanation;
}

// 3.1 and 3.4: a circle of radius |C| touching a point or circle and a circle.
Explanation TouchingTwo(const Rows& rows, CalculationId ran, FixSearch& search) {
  const Circle one = rows.CircleAt(0), three = rows.CircleAt(2);
  const double d = geometry::Distance(one.centre, three.centre);
  const double r1 = std::fabs(one.radius), r3 = std::fabs(three.radius), rho = std::fabs(rows.C());
  const std::string first = ran == kCircleThroughPointTouchingCircle ? "the point" : "circle 1";
  const std::string radius = "a circle of radius |C| = " + Num(rho);
  std::string why;
  double least = 0;
  if (d == 0) {
    why = first + " and circle 3 share their centre";
  } else if (const double gap = d - r1 - r3; gap > 0 && 2 * rho < gap) {
    least = gap / 2;
    why = first + " and circle 3 are " + Num(gap) + " apart: " + radius + " touching both needs |C| at least " +
          Num(gap / 2);
  } else if (const double inside = std::fabs(r1 - r3) - d; inside > 0 && 2 * rho < inside) {
    least = inside / 2;
    const bool firstInside = r1 < r3;
    why = (firstInside ? first : std::string("circle 3")) + " lies inside " + (firstInside ? "circle 3" : "circle 1") +
          ", " + Num(inside) + " from its edge: " + radius + " touching both needs |C| at least " + Num(least);
  } else {
    why = "no " + radius.substr(2) + " touches " + first + " and circle 3 as the signs of R, C and S ask";
  }
  OfferTwoCircleLimits(rows, d, true, search);
  return WithTheSignsC({why, search.Best()}, least);
}

// 3.2: a circle of radius |C| touching the circle and the tangent from the point.
Explanation TouchingCircleAndTangent(const Rows& rows, FixSearch& search) {
  const Point point = rows.PointAt(0);
  const Circle circle = rows.CircleAt(2);
  const double d = geometry::Distance(point, circle.centre), r = std::fabs(circle.radius);
  if (d < r) {
    const double sign = circle.radius < 0 ? -1 : 1;
    search.Offer(2, colR, circle.radius, sign * d);
    return {"the point lies " + Num(d) + " from the circle's centre, inside its radius " + Num(r) +
                ": no tangent passes through it",
            search.Best()};
  }
  search.Search(1, colC, rows.C());
  return {"no circle of radius |C| = " + Num(std::fabs(rows.C())) +
              " touches the circle and the tangent from the point on the sides the signs of R, C and S choose",
          search.Best()};
}

// 3.3: a circle of radius |C| touching the line and the circle.
Explanation TouchingLineAndCircle(const Rows& rows, FixSearch& search) {
  const Line line = rows.LineAt(0);
  const Circle circle = rows.CircleAt(2);
  const double gap = std::fabs(SignedDistance(line, circle.centre)) - std::fabs(circle.radius);
  const double rho = std::fabs(rows.C());
  std::string why;
  double least = 0;
  if (gap > 0 && 2 * rho < gap) {
    least = gap / 2;
    why = "the circle lies " + Num(gap) + " from the line: a circle of radius |C| = " + Num(rho) +
          " touching both needs |C| at least " + Num(least);
  } else {
    why = "no circle of radius |C| = " + Num(rho) +
          " touches the line and the circle on the sides the signs of C and S choose";
  }
  // The touching circle's centre lies |C| from the line on the side C
  // picks, and R + |C| or |R - |C|| from the circle's centre: its radius
  // meets a limit at half the circle's nearer or farther edge from the line.
  const double h = std::fabs(SignedDistance(line, circle.centre)), r = std::fabs(circle.radius);
  for (const double limit : {(h - r) / 2, (h + r) / 2, (r - h) / 2}) {
    for (const double sign : {1.0, -1.0}) search.Offer(1, colC, rows.C(), sign * limit);
  }
  search.Search(1, colC, rows.C());
  return WithTheSignsC({why, search.Best()}, least);
}

Explanation ThreePoints(const Rows& rows) {
  const Point p1 = rows.PointAt(0), p2 = rows.PointAt(1), p3 = rows.PointAt(2);
  const std::array<std::pair<int, int>, 3> pairs = {{{1, 2}, {1, 3}, {2, 3}}};
  const std::array<Point, 3> points = {p1, p2, p3};
  for (const auto& [i, j] : pairs) {
    if (points[static_cast<size_t>(i - 1)] == points[static_cast<size_t>(j - 1)]) {
      return {"points " + std::to_string(i) + " and " + std::to_string(j) + " coincide: three points are needed", {}};
    }
  }
  return {"the three points lie on one line: no circle passes through them", {}};
}

Explanation ThreeLines(const Rows& rows) {
  for (const auto& [i, j] : {std::pair{0, 1}, std::pair{1, 2}, std::pair{0, 2}}) {
    if (!geometry::Intersection(rows.LineAt(i), rows.LineAt(j))) return Lines(rows, i, j);
  }
  return {"the corners' bisectors do not meet: no circle touches the three lines as their directions ask", {}};
}

// The reason of the calculation that ran, and its search for a fix.
Explanation Family(const Rows& rows, CalculationId ran, FixSearch& search) {
  switch (ran) {
    case kTangentPointCircle:
    case kTangentTwoCircles:
      return Tangents(rows, ran, search);
    case kTwoLines:
      return Lines(rows, 0, 1);
    case kLineAndCircle:
      return LineAndCircle(rows, search);
    case kTwoCircles:
      return TwoCircles(rows, search);
    case kCircleThroughPointTouchingCircle:
    case kCircleTouchingTwoCircles:
      return TouchingTwo(rows, ran, search);
    case kCircleTouchingCircleAndTangent:
      return TouchingCircleAndTangent(rows, search);
    case kCircleTouchingLineAndCircle:
      return TouchingLineAndCircle(rows, search);
    case kCircleThroughThreePoints:
      return ThreePoints(rows);
    case kCircleTouchingThreeLines:
      return ThreeLines(rows);
    case kAngleOfTwoPoints:
    case kNone:
      break;
  }
  return {"the calculation found no answer for these rows", {}};
}

}  // namespace

Explanation Explain(const InputTexts& texts, const CalcState& shown, std::span<const candidates::Candidate> found) {
  if (shown.captions.ansRem.empty()) return {};
  if (shown.captions.ansRem == messages::kNumberOutOfRange) {
    return {"the numbers are too large to calculate with: a distance or its square passes the largest double", {}};
  }
  const Rows rows(texts);
  FixSearch search(texts);
  if (shown.ran == kNone) return WrongOrder(rows, search);
  const auto other = OtherSigns(found);
  // The candidates' edits are the fix then: no search for another.
  if (other) search.Skip();
  const Explanation family = Family(rows, shown.ran, search);
  if (!other) return family;
  return {family.why + "; " + other->why, other->fix};
}

Explanation Explain(const InputTexts& texts) {
  CalcState state;
  RunCalculation(state, texts);
  if (state.captions.ansRem.empty()) return {};
  return Explain(texts, state, candidates::FindCandidates(texts));
}

}  // namespace draftcalc::explain
