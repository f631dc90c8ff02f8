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
#include "i18n/translation.h"

namespace draftcalc::explain {
namespace {

using enum CalculationId;
using geometry::Circle;
using geometry::Line;
using geometry::Point;

// A number as the captions show it: four decimals at most.
std::string Num(double x) { return NumberText(RoundTo(x, 4)); }
std::string Int(int n) { return std::to_string(n); }

// The reason's words in the language asked for: each sentence marked for
// the translations (i18n/*.ts), its numbers put in for %1, %2, ...
class Say {
 public:
  explicit Say(i18n::Language language) : language_(language) {}
  std::string operator()(const char* source, std::initializer_list<std::string_view> values = {}) const {
    return i18n::Format(source, language_, values);
  }

 private:
  i18n::Language language_;
};

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

std::string KindName(ElementKind kind, const Say& say) {
  switch (kind) {
    case ElementKind::kPoint:
      return say(QT_TRANSLATE_NOOP("draftcalc", "a point"));
    case ElementKind::kLine1:
    case ElementKind::kLine2:
    case ElementKind::kLine3:
      return say(QT_TRANSLATE_NOOP("draftcalc", "a line"));
    case ElementKind::kValueRow:
      return say(QT_TRANSLATE_NOOP("draftcalc", "a value row"));
    case ElementKind::kCircle:
      return say(QT_TRANSLATE_NOOP("draftcalc", "a circle"));
  }
  return say(QT_TRANSLATE_NOOP("draftcalc", "a row"));
}

bool IsLine(ElementKind kind) {
  return kind == ElementKind::kLine1 || kind == ElementKind::kLine2 || kind == ElementKind::kLine3;
}

Explanation WrongOrder(const Rows& rows, FixSearch& search, const Say& say) {
  const ElementKind first = rows.kinds[0], second = rows.kinds[1];
  std::string rule;
  if (first == ElementKind::kValueRow) {
    rule = say(QT_TRANSLATE_NOOP("draftcalc", "a value row (D 5) stands in row 2, between two elements"));
  } else if (first == ElementKind::kLine2) {
    rule = say(QT_TRANSLATE_NOOP("draftcalc", "D 2 marks the second of two lines; row 1 takes D 1 or 3"));
    search.OfferText(0, colD, "1");
  } else if (IsLine(first) && second == ElementKind::kLine1) {
    rule = say(QT_TRANSLATE_NOOP("draftcalc", "the second of two lines takes D 2 or 3"));
    search.OfferText(1, colD, "2");
  } else if (first == ElementKind::kCircle && IsLine(second)) {
    rule = say(QT_TRANSLATE_NOOP("draftcalc", "2.2 takes a circle then a line with D 3 (or the line first)"));
    search.OfferText(1, colD, "3");
  } else if (second == ElementKind::kValueRow) {
    rule = say(
        QT_TRANSLATE_NOOP("draftcalc", "a value row (D 5) in row 2 needs a circle in row 3 (D3 from 0 to below 10)"));
  } else if ((first == ElementKind::kPoint && IsLine(second)) || (IsLine(first) && second == ElementKind::kPoint)) {
    rule = say(QT_TRANSLATE_NOOP(
        "draftcalc",
        "no calculation takes a point with a line (1.2 takes a point and a circle, 2.2 a line and a circle)"));
  } else {
    rule = say(QT_TRANSLATE_NOOP("draftcalc", "no calculation takes them in this order (see the catalogue)"));
  }
  return {say(QT_TRANSLATE_NOOP("draftcalc", "rows 1 and 2 are %1 and %2: %3"),
              {KindName(first, say), KindName(second, say), rule}),
          search.Best()};
}

// The signs select no answer, but the construction has some: the one the
// fewest edits give, said after the reason of the calculation's family.
std::optional<Explanation> OtherSigns(std::span<const candidates::Candidate> found, const Say& say) {
  const candidates::Candidate* best = nullptr;
  for (const candidates::Candidate& c : found) {
    if (!c.reachable || c.edits.empty()) continue;
    if (best == nullptr || c.edits.size() < best->edits.size()) best = &c;
  }
  if (best == nullptr) return std::nullopt;
  // The answers of the construction the calculation runs, not those of
  // others listed beside them.
  const auto answers = std::count_if(found.begin(), found.end(), [](const candidates::Candidate& c) {
    return c.construction == candidates::Construction::kCalculation;
  });
  const std::string count = std::to_string(answers), edits = candidates::EditsInWords(*best);
  const std::string number = std::to_string(best->number);
  return Explanation{
      answers == 1
          ? say(QT_TRANSLATE_NOOP("draftcalc", "the construction has %1 answer (the candidate): %2 gives candidate %3"),
                {count, edits, number})
          : say(QT_TRANSLATE_NOOP("draftcalc",
                                  "the construction has %1 answers (the candidates): %2 gives candidate %3"),
                {count, edits, number}),
      best->edits};
}

// 1.2 and 1.3: rows 0 and 1 are the point or circle and the circle; the
// calculation needs |R1 - R2| within the distance of the centres.
Explanation Tangents(const Rows& rows, CalculationId ran, FixSearch& search, const Say& say) {
  const Circle first = rows.CircleAt(0), second = rows.CircleAt(1);
  const double d = geometry::Distance(first.centre, second.centre);
  const double r1 = std::fabs(first.radius), r2 = std::fabs(second.radius);
  const bool point = ran == kTangentPointCircle;
  std::string why;
  if (d == 0) {
    why = point ? say(QT_TRANSLATE_NOOP("draftcalc", "the point is the circle's centre: no tangent passes through it"))
                : say(QT_TRANSLATE_NOOP("draftcalc",
                                        "the circles share their centre (%1, %2): they have no common tangent"),
                      {Num(first.centre.x), Num(first.centre.y)});
    return {why, {}};
  }
  if (point) {
    const double r = std::max(r1, r2);
    why = say(
        QT_TRANSLATE_NOOP("draftcalc", "the point lies %1 from the circle's centre, inside its radius %2: %3 inside"),
        {Num(d), Num(r), Num(r - d)});
  } else if (d < std::fabs(r1 - r2)) {
    const bool firstInside = r1 < r2;
    why = say(QT_TRANSLATE_NOOP("draftcalc",
                                "circle %1 lies inside circle %2: the centres are %3 apart, less than the %4 between "
                                "the radii: no common tangent"),
              {Int(firstInside ? 1 : 2), Int(firstInside ? 2 : 1), Num(d), Num(std::fabs(r1 - r2))});
  } else {
    why = say(QT_TRANSLATE_NOOP("draftcalc",
                                "the signs of R ask for a tangent crossing between the circles, which overlap: the "
                                "centres are %1 apart, less than the radii %2 + %3"),
              {Num(d), Num(r1), Num(r2)});
  }
  const double signed1 = rows.Radius(0), signed2 = rows.Radius(1);
  for (const int row : {0, 1}) {
    if (!rows.IsCircle(row)) continue;
    const double own = row == 0 ? signed1 : signed2, other = row == 0 ? signed2 : signed1;
    for (const double limit : {other - d, other + d}) search.Offer(row, colR, own, limit);
  }
  return {why, search.Best()};
}

Explanation Lines(const Rows& rows, int first, int second, const Say& say) {
  const Line a = rows.LineAt(first), b = rows.LineAt(second);
  if (const auto meet = geometry::Intersection(a, b)) {
    return {say(QT_TRANSLATE_NOOP("draftcalc",
                                  "lines %1 and %2 meet at (%3, %4) but so nearly parallel (A %5 and %6) that the "
                                  "calculation's angles cannot tell where"),
                {Int(first + 1), Int(second + 1), Num(meet->x), Num(meet->y), Num(a.direction), Num(b.direction)}),
            {}};
  }
  const bool same =
      std::fabs(SignedDistance(a, b.point) + b.offset) < 1e-12 * std::max(1.0, geometry::Magnitude(b.point));
  const std::string one = Int(first + 1), two = Int(second + 1), angle1 = Num(a.direction), angle2 = Num(b.direction);
  return {
      same ? say(QT_TRANSLATE_NOOP("draftcalc", "lines %1 and %2 coincide (A %3 and %4)"), {one, two, angle1, angle2})
           : say(QT_TRANSLATE_NOOP("draftcalc", "lines %1 and %2 are parallel (A %3 and %4)"),
                 {one, two, angle1, angle2}),
      {}};
}

// 2.2: a line and a circle, in either order.
Explanation LineAndCircle(const Rows& rows, FixSearch& search, const Say& say) {
  const int circleRow = rows.IsCircle(0) ? 0 : 1;
  const Circle circle = rows.CircleAt(circleRow);
  const double p = std::fabs(SignedDistance(rows.LineAt(1 - circleRow), circle.centre));
  const double r = std::fabs(circle.radius);
  std::string why =
      say(QT_TRANSLATE_NOOP("draftcalc", "the line passes %1 from the circle's centre; radius %2: %3 short"),
          {Num(p), Num(r), Num(p - r)});
  if (p <= r) {
    why = say(QT_TRANSLATE_NOOP("draftcalc",
                                "the line touches the circle within %1, too closely for the calculation's rounding"),
              {Num(r - p)});
  }
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
Explanation TwoCircles(const Rows& rows, FixSearch& search, const Say& say) {
  const Circle one = rows.CircleAt(0), three = rows.CircleAt(2);
  const double d = geometry::Distance(one.centre, three.centre);
  const double r1 = std::fabs(one.radius), r3 = std::fabs(three.radius);
  if (d == 0) return {say(QT_TRANSLATE_NOOP("draftcalc", "the circles share their centre: they do not meet")), {}};
  std::string why;
  if (r1 == 0 || r3 == 0) {
    why = say(QT_TRANSLATE_NOOP("draftcalc", "circle %1 has radius 0"), {Int(r1 == 0 ? 1 : 3)});
  } else if (d > r1 + r3) {
    why = say(QT_TRANSLATE_NOOP("draftcalc", "the centres are %1 apart; radii %2 + %3 reach %4: %5 short"),
              {Num(d), Num(r1), Num(r3), Num(r1 + r3), Num(d - r1 - r3)});
  } else if (d < std::fabs(r1 - r3)) {
    why =
        say(QT_TRANSLATE_NOOP("draftcalc",
                              "circle %1 lies inside circle %2: the centres are %3 apart, less than the %4 between "
                              "the radii: %5 too close to meet"),
            {Int(r1 < r3 ? 1 : 3), Int(r1 < r3 ? 3 : 1), Num(d), Num(std::fabs(r1 - r3)), Num(std::fabs(r1 - r3) - d)});
  } else {
    why = say(QT_TRANSLATE_NOOP("draftcalc", "the circles touch within %1, too closely for the calculation's rounding"),
              {Num(std::min(r1 + r3 - d, d - std::fabs(r1 - r3)))});
  }
  OfferTwoCircleLimits(rows, d, false, search);
  return {why, search.Best()};
}

// A fix of C beyond the least |C| any touching circle needs: the signs ask
// for one that needs more, which the reason says.
Explanation WithTheSignsC(Explanation explanation, double least, const Say& say) {
  if (least == 0 || explanation.fix.size() != 1 || explanation.fix[0].column != colC) return explanation;
  const double c = ParseLeadingNumber(explanation.fix[0].text);
  if (std::fabs(c) > least + 1e-3) {
    explanation.why += say(QT_TRANSLATE_NOOP("draftcalc", "; with these signs the nearest C that gives one is %1"),
                           {explanation.fix[0].text});
  }
  return explanation;
}

// 3.1 and 3.4: a circle of radius |C| touching a point or circle and a circle.
Explanation TouchingTwo(const Rows& rows, CalculationId ran, FixSearch& search, const Say& say) {
  const Circle one = rows.CircleAt(0), three = rows.CircleAt(2);
  const double d = geometry::Distance(one.centre, three.centre);
  const double r1 = std::fabs(one.radius), r3 = std::fabs(three.radius), rho = std::fabs(rows.C());
  const std::string first = ran == kCircleThroughPointTouchingCircle ? say(QT_TRANSLATE_NOOP("draftcalc", "the point"))
                                                                     : say(QT_TRANSLATE_NOOP("draftcalc", "circle 1"));
  const std::string circle3 = say(QT_TRANSLATE_NOOP("draftcalc", "circle 3"));
  std::string why;
  double least = 0;
  if (d == 0) {
    why = say(QT_TRANSLATE_NOOP("draftcalc", "%1 and circle 3 share their centre"), {first});
  } else if (const double gap = d - r1 - r3; gap > 0 && 2 * rho < gap) {
    least = gap / 2;
    why = say(QT_TRANSLATE_NOOP(
                  "draftcalc",
                  "%1 and circle 3 are %2 apart: a circle of radius |C| = %3 touching both needs |C| at least %4"),
              {first, Num(gap), Num(rho), Num(gap / 2)});
  } else if (const double inside = std::fabs(r1 - r3) - d; inside > 0 && 2 * rho < inside) {
    least = inside / 2;
    const bool firstInside = r1 < r3;
    why = say(QT_TRANSLATE_NOOP("draftcalc",
                                "%1 lies inside %2, %3 from its edge: a circle of radius |C| = %4 touching both needs "
                                "|C| at least %5"),
              {firstInside ? first : circle3, firstInside ? circle3 : say(QT_TRANSLATE_NOOP("draftcalc", "circle 1")),
               Num(inside), Num(rho), Num(least)});
  } else {
    why = say(QT_TRANSLATE_NOOP("draftcalc",
                                "no circle of radius |C| = %1 touches %2 and circle 3 as the signs of R, C and S ask"),
              {Num(rho), first});
  }
  OfferTwoCircleLimits(rows, d, true, search);
  return WithTheSignsC({why, search.Best()}, least, say);
}

// 3.2: a circle of radius |C| touching the circle and the tangent from the point.
Explanation TouchingCircleAndTangent(const Rows& rows, FixSearch& search, const Say& say) {
  const Point point = rows.PointAt(0);
  const Circle circle = rows.CircleAt(2);
  const double d = geometry::Distance(point, circle.centre), r = std::fabs(circle.radius);
  if (d < r) {
    const double sign = circle.radius < 0 ? -1 : 1;
    search.Offer(2, colR, circle.radius, sign * d);
    return {say(QT_TRANSLATE_NOOP(
                    "draftcalc",
                    "the point lies %1 from the circle's centre, inside its radius %2: no tangent passes through it"),
                {Num(d), Num(r)}),
            search.Best()};
  }
  search.Search(1, colC, rows.C());
  return {say(QT_TRANSLATE_NOOP("draftcalc",
                                "no circle of radius |C| = %1 touches the circle and the tangent from the point on the "
                                "sides the signs of R, C and S choose"),
              {Num(std::fabs(rows.C()))}),
          search.Best()};
}

// 3.3: a circle of radius |C| touching the line and the circle.
Explanation TouchingLineAndCircle(const Rows& rows, FixSearch& search, const Say& say) {
  const Line line = rows.LineAt(0);
  const Circle circle = rows.CircleAt(2);
  const double gap = std::fabs(SignedDistance(line, circle.centre)) - std::fabs(circle.radius);
  const double rho = std::fabs(rows.C());
  std::string why;
  double least = 0;
  if (gap > 0 && 2 * rho < gap) {
    least = gap / 2;
    why = say(QT_TRANSLATE_NOOP("draftcalc",
                                "the circle lies %1 from the line: a circle of radius |C| = %2 touching both needs |C| "
                                "at least %3"),
              {Num(gap), Num(rho), Num(least)});
  } else {
    why =
        say(QT_TRANSLATE_NOOP("draftcalc",
                              "no circle of radius |C| = %1 touches the line and the circle on the sides the signs of "
                              "C and S choose"),
            {Num(rho)});
  }
  // The touching circle's centre lies |C| from the line on the side C
  // picks, and R + |C| or |R - |C|| from the circle's centre: its radius
  // meets a limit at half the circle's nearer or farther edge from the line.
  const double h = std::fabs(SignedDistance(line, circle.centre)), r = std::fabs(circle.radius);
  for (const double limit : {(h - r) / 2, (h + r) / 2, (r - h) / 2}) {
    for (const double sign : {1.0, -1.0}) search.Offer(1, colC, rows.C(), sign * limit);
  }
  search.Search(1, colC, rows.C());
  return WithTheSignsC({why, search.Best()}, least, say);
}

Explanation ThreePoints(const Rows& rows, const Say& say) {
  const Point p1 = rows.PointAt(0), p2 = rows.PointAt(1), p3 = rows.PointAt(2);
  const std::array<std::pair<int, int>, 3> pairs = {{{1, 2}, {1, 3}, {2, 3}}};
  const std::array<Point, 3> points = {p1, p2, p3};
  for (const auto& [i, j] : pairs) {
    if (points[static_cast<size_t>(i - 1)] == points[static_cast<size_t>(j - 1)]) {
      return {
          say(QT_TRANSLATE_NOOP("draftcalc", "points %1 and %2 coincide: three points are needed"), {Int(i), Int(j)}),
          {}};
    }
  }
  return {say(QT_TRANSLATE_NOOP("draftcalc", "the three points lie on one line: no circle passes through them")), {}};
}

Explanation ThreeLines(const Rows& rows, const Say& say) {
  for (const auto& [i, j] : {std::pair{0, 1}, std::pair{1, 2}, std::pair{0, 2}}) {
    if (!geometry::Intersection(rows.LineAt(i), rows.LineAt(j))) return Lines(rows, i, j, say);
  }
  return {say(QT_TRANSLATE_NOOP(
              "draftcalc",
              "the corners' bisectors do not meet: no circle touches the three lines as their directions ask")),
          {}};
}

// The reason of the calculation that ran, and its search for a fix.
Explanation Family(const Rows& rows, CalculationId ran, FixSearch& search, const Say& say) {
  switch (ran) {
    case kTangentPointCircle:
    case kTangentTwoCircles:
      return Tangents(rows, ran, search, say);
    case kTwoLines:
      return Lines(rows, 0, 1, say);
    case kLineAndCircle:
      return LineAndCircle(rows, search, say);
    case kTwoCircles:
      return TwoCircles(rows, search, say);
    case kCircleThroughPointTouchingCircle:
    case kCircleTouchingTwoCircles:
      return TouchingTwo(rows, ran, search, say);
    case kCircleTouchingCircleAndTangent:
      return TouchingCircleAndTangent(rows, search, say);
    case kCircleTouchingLineAndCircle:
      return TouchingLineAndCircle(rows, search, say);
    case kCircleThroughThreePoints:
      return ThreePoints(rows, say);
    case kCircleTouchingThreeLines:
      return ThreeLines(rows, say);
    case kAngleOfTwoPoints:
    case kNone:
      break;
  }
  return {say(QT_TRANSLATE_NOOP("draftcalc", "the calculation found no answer for these rows")), {}};
}

}  // namespace

Explanation Explain(const InputTexts& texts, const CalcState& shown, std::span<const candidates::Candidate> found,
                    i18n::Language language) {
  if (shown.captions.ansRem.empty()) return {};
  const Say say(language);
  if (shown.captions.ansRem == messages::kNumberOutOfRange) {
    return {say(QT_TRANSLATE_NOOP(
                "draftcalc",
                "the numbers are too large to calculate with: a distance or its square passes the largest double")),
            {}};
  }
  const Rows rows(texts);
  FixSearch search(texts);
  if (shown.ran == kNone) return WrongOrder(rows, search, say);
  const auto other = OtherSigns(found, say);
  // The candidates' edits are the fix then: no search for another.
  if (other) search.Skip();
  const Explanation family = Family(rows, shown.ran, search, say);
  if (!other) return family;
  return {say(QT_TRANSLATE_NOOP("draftcalc", "%1; %2"), {family.why, other->why}), other->fix};
}

Explanation Explain(const InputTexts& texts, i18n::Language language) {
  CalcState state;
  RunCalculation(state, texts);
  if (state.captions.ansRem.empty()) return {};
  return Explain(texts, state, candidates::FindCandidates(texts), language);
}

}  // namespace draftcalc::explain
