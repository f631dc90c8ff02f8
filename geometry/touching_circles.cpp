#include "geometry/touching_circles.h"

#include <array>
#include <cmath>

#include "geometry/intersections.h"
#include "geometry/solution_set.h"
#include "geometry/tangent_lines.h"
#include "geometry/touching_points.h"

namespace draftcalc::geometry {
namespace {

// The centres of circles of radius rho touching `circle` lie on the two
// circles around its centre of radius r + rho (from outside) and |r - rho|
// (from inside, or holding it).
std::array<Circle, 2> CentreCircles(const Circle& circle, double rho) {
  const double r = std::fabs(circle.radius);
  return {Circle{circle.centre, r + rho}, Circle{circle.centre, std::fabs(r - rho)}};
}

std::vector<Circle> Finished(Point reference, std::vector<Point> centres, double rho, double scale) {
  std::vector<Circle> circles;
  circles.reserve(centres.size());
  for (const Point& centre : centres) circles.push_back({centre, rho});
  MergeDuplicates(
      circles, [&](const Circle& a, const Circle& b) { return SameCircle(a, b, scale); }, CircleKey);
  SortAround(reference, circles, scale, [](const Circle& c) { return std::pair{c.centre, 0.0}; });
  return circles;
}

}  // namespace

std::vector<Circle> CirclesThroughPointTouchingCircle(Point point, const Circle& circle, double radius) {
  const double rho = std::fabs(radius);
  std::vector<Point> centres;
  centres.reserve(8);
  for (const Circle& around : CentreCircles(circle, rho)) AppendIntersections(Circle{point, rho}, around, centres);
  return Finished(point, std::move(centres), rho, ScaleOf(point, circle, radius));
}

std::vector<CircleOnTangent> CirclesTouchingCircleAndTangent(Point point, const Circle& circle, double radius) {
  const double scale = ScaleOf(point, circle, radius);
  std::vector<CircleOnTangent> answers;
  for (const TangentLine& tangent : CommonTangents(Circle{point, 0}, circle)) {
    for (const Circle& c : CirclesTouchingLineAndCircle(Line{point, tangent.direction, 0}, circle, radius))
      answers.push_back({c, tangent.direction});
  }
  MergeDuplicates(
      answers, [&](const CircleOnTangent& a, const CircleOnTangent& b) { return SameCircleOnTangent(a, b, scale); },
      [](const CircleOnTangent& a) {
        return std::tuple{a.circle.centre.x, a.circle.centre.y, a.circle.radius, a.tangentDirection};
      });
  SortAround(point, answers, scale, [](const CircleOnTangent& a) {
    return std::pair{a.circle.centre, a.tangentDirection};
  });
  return answers;
}

std::vector<Circle> CirclesTouchingLineAndCircle(const Line& line, const Circle& circle, double radius) {
  const double rho = std::fabs(radius);
  std::vector<Point> centres;
  centres.reserve(8);
  for (const double side : {rho, -rho}) {
    const Line moved{line.point, line.direction, line.offset + side};
    for (const Circle& around : CentreCircles(circle, rho)) AppendIntersections(moved, around, centres);
  }
  return Finished(line.point, std::move(centres), rho, ScaleOf(line, circle, radius));
}

std::vector<Circle> CirclesTouchingTwoLines(const Line& line1, const Line& line2, double radius) {
  const double rho = std::fabs(radius);
  const double scale = ScaleOf(line1, line2, radius);
  std::vector<Point> centres;
  centres.reserve(4);
  for (const double side1 : {rho, -rho}) {
    for (const double side2 : {rho, -rho}) {
      const auto centre = Intersection(Line{line1.point, line1.direction, line1.offset + side1},
                                       Line{line2.point, line2.direction, line2.offset + side2});
      if (centre) centres.push_back(*centre);
    }
  }
  if (!centres.empty()) {
    const Point corner = Intersection(line1, line2).value_or(line1.point);
    return Finished(corner, std::move(centres), rho, scale);
  }
  // Parallel: the lines must lie 2 rho apart, the centres on the middle line.
  const Point onLine2 = FootOnLine(line2.point, line2);
  const double apart = Dot(onLine2 - FootOnLine(onLine2, line1), LeftOf(UnitVector(line1.direction)));
  if (std::fabs(std::fabs(apart) - 2 * rho) > kTouchTolerance * scale) return {};
  const Line middle{line1.point, line1.direction, line1.offset + apart / 2};
  centres = {FootOnLine(line1.point, middle), FootOnLine(line2.point, middle)};
  return Finished(line1.point, std::move(centres), rho, scale);
}

std::vector<Circle> CirclesThroughPointTouchingLine(Point point, const Line& line, double radius) {
  const double rho = std::fabs(radius);
  std::vector<Point> centres;
  centres.reserve(4);
  for (const double side : {rho, -rho}) {
    AppendIntersections(Line{line.point, line.direction, line.offset + side}, Circle{point, rho}, centres);
  }
  return Finished(point, std::move(centres), rho, ScaleOf(point, line, radius));
}

std::vector<Circle> CirclesTouchingTwoCircles(const Circle& circle1, const Circle& circle2, double radius) {
  const double rho = std::fabs(radius);
  std::vector<Point> centres;
  centres.reserve(8);
  for (const Circle& around1 : CentreCircles(circle1, rho)) {
    for (const Circle& around2 : CentreCircles(circle2, rho)) AppendIntersections(around1, around2, centres);
  }
  return Finished(circle1.centre, std::move(centres), rho, ScaleOf(circle1, circle2, radius));
}

}  // namespace draftcalc::geometry
