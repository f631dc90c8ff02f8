#include "candidates/geometric_answers.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "core/element_kind.h"
#include "geometry/intersections.h"
#include "geometry/solution_set.h"
#include "geometry/tangent_lines.h"
#include "geometry/three_elements.h"
#include "geometry/touching_circles.h"
#include "geometry/touching_points.h"

namespace draftcalc::candidates {
namespace {

using namespace geometry;
using enum CalculationId;

// Rows 1..3 of the table as the calculation reads them: X and Y, then A and
// B as a line's angle and offset, or A as a circle's radius, or B as C.
struct Rows {
  const CalcState& t;
  Point PointAt(int i) const { return {t.elemX[i], t.elemY[i]}; }
  Line LineAt(int i) const { return {PointAt(i), t.elemA[i], t.elemB[i]}; }
  Circle CircleAt(int i) const { return {PointAt(i), t.elemA[i]}; }
  double C() const { return t.elemB[2]; }
};

Candidate AtPoint(CalculationId id, Point p) {
  Candidate candidate;
  candidate.point = p;
  candidate.calculation = id;
  return candidate;
}
Candidate OfCircle(CalculationId id, const Circle& c) {
  Candidate candidate = AtPoint(id, c.centre);
  candidate.radius = std::fabs(c.radius);
  return candidate;
}

std::vector<Candidate> Points(CalculationId id, const std::vector<Point>& points) {
  std::vector<Candidate> out;
  for (const Point& p : points) out.push_back(AtPoint(id, p));
  return out;
}

// The touching points on the circles; a point (radius 0) is passed through.
std::vector<Candidate> Tangents(CalculationId id, const Circle& first, const Circle& second) {
  std::vector<Candidate> out;
  for (const TangentLine& t : CommonTangents(first, second)) {
    Candidate candidate = AtPoint(id, t.first);
    candidate.direction = t.direction;
    candidate.secondTouch = t.second;
    if (first.radius != 0) candidate.touches.push_back(t.first);
    if (second.radius != 0) candidate.touches.push_back(t.second);
    out.push_back(candidate);
  }
  return out;
}

std::vector<Candidate> OnTangents(Point point, const Circle& circle, double c) {
  std::vector<Candidate> out;
  for (const CircleOnTangent& a : CirclesTouchingCircleAndTangent(point, circle, c)) {
    Candidate candidate = OfCircle(kCircleTouchingCircleAndTangent, a.circle);
    candidate.direction = a.tangentDirection;
    const Line tangent{point, a.tangentDirection, 0};
    candidate.touches = {FootOnLine(a.circle.centre, tangent), TouchOnCircle(a.circle, circle)};
    out.push_back(candidate);
  }
  return out;
}

// An answer circle's touching points on the elements it touches.
Point TouchOf(const Circle& answer, const Line& line) { return FootOnLine(answer.centre, line); }
Point TouchOf(const Circle& answer, const Circle& circle) { return TouchOnCircle(answer, circle); }
template <class... Elements>
std::vector<Candidate> CirclesTouching(CalculationId id, const std::vector<Circle>& circles,
                                       const Elements&... elements) {
  std::vector<Candidate> out;
  for (const Circle& c : circles) {
    Candidate candidate = OfCircle(id, c);
    candidate.touches = {TouchOf(c, elements)...};
    out.push_back(candidate);
  }
  return out;
}

// An element seen from `origin`: its size and place around it.
Point Around(Point p, Point origin) { return {p.x - origin.x, p.y - origin.y}; }
Line Around(const Line& l, Point origin) { return {Around(l.point, origin), l.direction, l.offset}; }
Circle Around(const Circle& c, Point origin) { return {Around(c.centre, origin), c.radius}; }
double Around(double value, Point) { return value; }

// One family of answers, before ordering; the scale and the size (around
// row 1's point) grow to the figure's.
std::vector<Candidate> AnswersOf(CalculationId ran, const Rows& rows, GeometricAnswers& answers) {
  const Point origin = rows.PointAt(1);
  const auto grow = [&](const auto&... elements) {
    answers.scale = std::max(answers.scale, ScaleOf(elements...));
    answers.size = std::max(answers.size, ScaleOf(Around(elements, origin)...));
  };
  switch (ran) {
    case kAngleOfTwoPoints: {
      grow(rows.PointAt(1), rows.PointAt(2));
      const auto direction = DirectionBetween(rows.PointAt(1), rows.PointAt(2));
      if (!direction) return {};
      Candidate candidate = AtPoint(ran, rows.PointAt(1));
      candidate.direction = direction;
      return {candidate};
    }
    case kTangentPointCircle:
    case kTangentTwoCircles:
      grow(rows.CircleAt(1), rows.CircleAt(2));
      return Tangents(ran, rows.CircleAt(1), rows.CircleAt(2));
    case kTwoLines: {
      grow(rows.LineAt(1), rows.LineAt(2));
      const auto p = Intersection(rows.LineAt(1), rows.LineAt(2));
      return p ? std::vector{AtPoint(ran, *p)} : std::vector<Candidate>{};
    }
    case kLineAndCircle: {
      const bool circleFirst = rows.t.elemD[1] == StoredCode(ElementKind::kCircle);
      const Line line = rows.LineAt(circleFirst ? 2 : 1);
      const Circle circle = rows.CircleAt(circleFirst ? 1 : 2);
      grow(line, circle);
      return Points(ran, Intersections(line, circle));
    }
    case kTwoCircles:
      grow(rows.CircleAt(1), rows.C(), rows.CircleAt(3));
      return Points(ran, Intersections(rows.CircleAt(1), rows.CircleAt(3)));
    case kCircleThroughPointTouchingCircle:
      grow(rows.PointAt(1), rows.C(), rows.CircleAt(3));
      return CirclesTouching(ran, CirclesThroughPointTouchingCircle(rows.PointAt(1), rows.CircleAt(3), rows.C()),
                             rows.CircleAt(3));
    case kCircleTouchingCircleAndTangent:
      grow(rows.PointAt(1), rows.C(), rows.CircleAt(3));
      return OnTangents(rows.PointAt(1), rows.CircleAt(3), rows.C());
    case kCircleTouchingLineAndCircle:
      grow(rows.LineAt(1), rows.C(), rows.CircleAt(3));
      return CirclesTouching(ran, CirclesTouchingLineAndCircle(rows.LineAt(1), rows.CircleAt(3), rows.C()),
                             rows.LineAt(1), rows.CircleAt(3));
    case kCircleTouchingTwoCircles:
      grow(rows.CircleAt(1), rows.C(), rows.CircleAt(3));
      return CirclesTouching(ran, CirclesTouchingTwoCircles(rows.CircleAt(1), rows.CircleAt(3), rows.C()),
                             rows.CircleAt(1), rows.CircleAt(3));
    case kCircleThroughThreePoints: {
      grow(rows.PointAt(1), rows.PointAt(2), rows.PointAt(3));
      const auto circle = CircleThroughThreePoints(rows.PointAt(1), rows.PointAt(2), rows.PointAt(3));
      return circle ? std::vector{OfCircle(ran, *circle)} : std::vector<Candidate>{};
    }
    case kCircleTouchingThreeLines:
      grow(rows.LineAt(1), rows.LineAt(2), rows.LineAt(3));
      return CirclesTouching(ran, CirclesTouchingThreeLines(rows.LineAt(1), rows.LineAt(2), rows.LineAt(3)),
                             rows.LineAt(1), rows.LineAt(2), rows.LineAt(3));
    case kNone:
      break;
  }
  return {};
}

bool IsFinite(Point p) { return std::isfinite(p.x) && std::isfinite(p.y); }
bool IsFinite(const Candidate& c) {
  const auto finite = [](const std::optional<double>& v) { return !v || std::isfinite(*v); };
  return finite(c.radius) && (!c.secondTouch || IsFinite(*c.secondTouch)) &&
         std::all_of(c.touches.begin(), c.touches.end(), [](Point p) { return IsFinite(p); });
}

// Sorting drops answers at a point or in a direction beyond the double range.
void Append(std::vector<Candidate>& to, std::vector<Candidate> family, Point reference, double scale) {
  std::erase_if(family, [](const Candidate& c) { return !IsFinite(c); });
  SortAround(reference, family, scale, [](const Candidate& c) { return std::pair{c.point, c.direction.value_or(0)}; });
  to.insert(to.end(), family.begin(), family.end());
}

}  // namespace

GeometricAnswers GeometricAnswersOf(CalculationId ran, const CalcState& table) {
  const Rows rows{table};
  GeometricAnswers answers;
  // The answers of both routes of the shared rows, through the point first.
  const bool bothRoutes = ran == kCircleThroughPointTouchingCircle || ran == kCircleTouchingCircleAndTangent;
  const CalculationId first = bothRoutes ? kCircleThroughPointTouchingCircle : ran;
  std::vector<Candidate> family = AnswersOf(first, rows, answers);
  std::vector<Candidate> second;
  if (bothRoutes) second = AnswersOf(kCircleTouchingCircleAndTangent, rows, answers);
  const Point reference = rows.PointAt(1);
  for (const std::vector<Candidate>* answersOfOne : {&family, &second}) {
    for (const Candidate& c : *answersOfOne) {
      if (!IsFinite(c) || !std::isfinite(c.point.x) || !std::isfinite(c.point.y)) continue;
      answers.size = std::max({answers.size, Magnitude(Around(c.point, reference)), c.radius.value_or(0)});
    }
  }
  Append(answers.candidates, std::move(family), reference, answers.scale);
  Append(answers.candidates, std::move(second), reference, answers.scale);
  return answers;
}

}  // namespace draftcalc::candidates
