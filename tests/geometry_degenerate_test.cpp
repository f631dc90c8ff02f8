// The exact geometry where a reference library is unreliable: tangencies,
// parallels, coincidences and radius 0. Each case checks how many answers
// there are and that every one touches or passes through what it must;
// generated figures built to touch exactly check the same over many inputs.
// Also the documented order of the answers.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "geometry/intersections.h"
#include "geometry/solution_set.h"
#include "geometry/tangent_lines.h"
#include "geometry/three_elements.h"
#include "geometry/touching_circles.h"
#include "touching.h"

namespace draftcalc::geometry {
namespace {

using namespace testing_touch;

// A case: the answers' count and a property every answer must have.
struct DegenerateCase {
  std::string name;
  std::function<size_t()> count;
  size_t expected;
};
void PrintTo(const DegenerateCase& c, std::ostream* os) { *os << c.name; }

class Degenerate : public testing::TestWithParam<DegenerateCase> {};

TEST_P(Degenerate, GivesTheExpectedNumberOfAnswers) { EXPECT_EQ(GetParam().count(), GetParam().expected); }

// Runs a construction, checks every answer with `touches` and returns the count.
template <class Answers, class Touches>
std::function<size_t()> Checked(std::function<Answers()> construct, double scale, Touches touches) {
  return [=] {
    const Answers answers = construct();
    for (const auto& answer : answers) EXPECT_TRUE(touches(answer, scale));
    return answers.size();
  };
}

std::function<size_t()> Tangents(Circle a, Circle b) {
  return Checked<std::vector<TangentLine>>([=] { return CommonTangents(a, b); }, ScaleOf(a, b),
                                           [=](const TangentLine& t, double scale) {
                                             return OnCircle(t.first, a, scale) && OnCircle(t.second, b, scale) &&
                                                    LineTouches(t.first, t.direction, a, scale) &&
                                                    LineTouches(t.first, t.direction, b, scale);
                                           });
}
std::function<size_t()> LineCircle(Line l, Circle c) {
  return Checked<std::vector<Point>>(
      [=] { return Intersections(l, c); }, ScaleOf(l, c),
      [=](Point p, double scale) { return OnLine(p, l, scale) && OnCircle(p, c, scale); });
}
std::function<size_t()> CircleCircle(Circle a, Circle b) {
  return Checked<std::vector<Point>>(
      [=] { return Intersections(a, b); }, ScaleOf(a, b),
      [=](Point p, double scale) { return OnCircle(p, a, scale) && OnCircle(p, b, scale); });
}
std::function<size_t()> LineLine(Line a, Line b) {
  return [=] {
    const auto p = Intersection(a, b);
    if (!p) return size_t{0};
    EXPECT_TRUE(OnLine(*p, a, ScaleOf(a, b)) && OnLine(*p, b, ScaleOf(a, b)));
    return size_t{1};
  };
}
std::function<size_t()> ThroughPoint(Point p, Circle c, double rho) {
  return Checked<std::vector<Circle>>(
      [=] { return CirclesThroughPointTouchingCircle(p, c, rho); }, ScaleOf(p, c, rho),
      [=](const Circle& a, double scale) { return PassesThrough(a, p, scale) && TouchesCircle(a, c, scale); });
}
std::function<size_t()> OnTangents(Point p, Circle c, double rho) {
  return Checked<std::vector<CircleOnTangent>>(
      [=] { return CirclesTouchingCircleAndTangent(p, c, rho); }, ScaleOf(p, c, rho),
      [=](const CircleOnTangent& a, double scale) {
        return TouchesCircle(a.circle, c, scale) && LineTouches(p, a.tangentDirection, c, scale) &&
               TouchesLine(a.circle, Line{p, a.tangentDirection, 0}, scale);
      });
}
std::function<size_t()> LineAndCircle(Line l, Circle c, double rho) {
  return Checked<std::vector<Circle>>(
      [=] { return CirclesTouchingLineAndCircle(l, c, rho); }, ScaleOf(l, c, rho),
      [=](const Circle& a, double scale) { return TouchesLine(a, l, scale) && TouchesCircle(a, c, scale); });
}
std::function<size_t()> TwoCircles(Circle c1, Circle c2, double rho) {
  return Checked<std::vector<Circle>>(
      [=] { return CirclesTouchingTwoCircles(c1, c2, rho); }, ScaleOf(c1, c2, rho),
      [=](const Circle& a, double scale) { return TouchesCircle(a, c1, scale) && TouchesCircle(a, c2, scale); });
}
std::function<size_t()> ThreePoints(Point a, Point b, Point c) {
  return [=] { return CircleThroughThreePoints(a, b, c) ? size_t{1} : size_t{0}; };
}
std::function<size_t()> ThreeLines(Line a, Line b, Line c) {
  return Checked<std::vector<Circle>>([=] { return CirclesTouchingThreeLines(a, b, c); }, ScaleOf(a, b, c),
                                      [=](const Circle& answer, double scale) {
                                        return TouchesLine(answer, a, scale) && TouchesLine(answer, b, scale) &&
                                               TouchesLine(answer, c, scale);
                                      });
}

const Point kOrigin{0, 0};

INSTANTIATE_TEST_SUITE_P(
    Geometry, Degenerate,
    testing::Values(
        DegenerateCase{"PointOnCircleHasOneTangent", Tangents({{5, 0}, 0}, {kOrigin, 5}), 1},
        DegenerateCase{"PointInsideCircleHasNoTangent", Tangents({{1, 1}, 0}, {kOrigin, 5}), 0},
        DegenerateCase{"TwoPointsHaveTheLineThroughThem", Tangents({kOrigin, 0}, {{3, 4}, 0}), 1},
        DegenerateCase{"CirclesTouchingOutsideHaveThreeTangents", Tangents({kOrigin, 3}, {{5, 0}, 2}), 3},
        DegenerateCase{"CirclesTouchingInsideHaveOneTangent", Tangents({kOrigin, 5}, {{2, 0}, 3}), 1},
        DegenerateCase{"TouchingAlongADiagonal", Tangents({{1.5, -2}, 2.5}, {{4.5, 2}, 2.5}), 3},
        DegenerateCase{"ConcentricCirclesHaveNoTangent", Tangents({kOrigin, 5}, {kOrigin, 3}), 0},
        DegenerateCase{"EqualCirclesHaveNoSingleTangent", Tangents({kOrigin, 5}, {kOrigin, 5}), 0},
        DegenerateCase{"TangentLine", LineCircle({{0, 5}, 0, 0}, {kOrigin, 5}), 1},
        DegenerateCase{"TangentThroughTheOffset", LineCircle({kOrigin, 45, 5}, {kOrigin, 5}), 1},
        DegenerateCase{"VerticalTangent", LineCircle({{-5, 7}, 270, 0}, {kOrigin, 5}), 1},
        DegenerateCase{"LineThroughAPointCircle", LineCircle({{-3, 3}, -45, 0}, {kOrigin, 0}), 1},
        DegenerateCase{"LineMissingACircle", LineCircle({{0, 5.000001}, 0, 0}, {kOrigin, 5}), 0},
        DegenerateCase{"CirclesTouchingOutsideMeetOnce", CircleCircle({kOrigin, 3}, {{3, 4}, 2}), 1},
        DegenerateCase{"CirclesTouchingInsideMeetOnce", CircleCircle({kOrigin, 5}, {{1.2, 1.6}, 3}), 1},
        DegenerateCase{"ConcentricCirclesNeverMeet", CircleCircle({kOrigin, 5}, {kOrigin, 5}), 0},
        DegenerateCase{"APointOnACircle", CircleCircle({{0, -5}, 0}, {kOrigin, 5}), 1},
        DegenerateCase{"LinesAHalfTurnApartAreParallel", LineLine({kOrigin, 30, 0}, {{0, 5}, 210, 1}), 0},
        DegenerateCase{"TypedDecimalsAHalfTurnApart", LineLine({kOrigin, 0.1, 0}, {{0, 5}, 180.1, 0}), 0},
        DegenerateCase{"VerticalLinesAreParallel", LineLine({kOrigin, 90, 2}, {{5, 0}, 270, 0}), 0},
        DegenerateCase{"CrossingAxes", LineLine({{0, 7}, 0, 0}, {{3, 0}, -90, 1}), 1},
        DegenerateCase{"RadiusZeroThroughAPointOnTheCircle", ThroughPoint({5, 0}, {kOrigin, 5}, 0), 1},
        DegenerateCase{"PointOnTheCircle", ThroughPoint({0, 5}, {kOrigin, 5}, 2), 2},
        DegenerateCase{"PointAtTheCentre", ThroughPoint(kOrigin, {kOrigin, 5}, 2.5), 0},
        DegenerateCase{"OneTangentFromAPointOnTheCircle", OnTangents({0, 5}, {kOrigin, 5}, 2), 4},
        DegenerateCase{"TwoTangents", OnTangents({-13, 0}, {kOrigin, 5}, 2), 8},
        DegenerateCase{"RadiusEqualToTheCircles", OnTangents({-13, 0}, {kOrigin, 5}, 5), 8},
        DegenerateCase{"NoTangentFromInside", OnTangents({1, 0}, {kOrigin, 5}, 2), 0},
        DegenerateCase{"HorizontalLineAndCircleTwoAnswers", LineAndCircle({kOrigin, 0, 0}, {{20, 10}, 5}, 5), 2},
        DegenerateCase{"HorizontalLineAndCircleSixAnswers", LineAndCircle({kOrigin, 0, 0}, {{20, 3}, 10}, 5), 6},
        DegenerateCase{"LineThroughTheCentre", LineAndCircle({{-3, 4}, 0, 0}, {{0, 4}, 5}, 2), 8},
        DegenerateCase{"RadiusZeroCircle", LineAndCircle({kOrigin, 0, 0}, {{0, 3}, 0}, 3), 2},
        DegenerateCase{"TouchingCirclesRadiusZero", TwoCircles({kOrigin, 10}, {{20, 0}, 10}, 0), 1},
        DegenerateCase{"OverlappingCirclesEight", TwoCircles({kOrigin, 10}, {{12, 0}, 10}, 3), 8},
        DegenerateCase{"OneTouchingPairSeven", TwoCircles({kOrigin, 10}, {{14, 0}, 10}, 3), 7},
        DegenerateCase{"FarApartTwo", TwoCircles({kOrigin, 10}, {{40, 0}, 10}, 15), 2},
        DegenerateCase{"CollinearPoints", ThreePoints(kOrigin, {1, 1}, {2, 2}), 0},
        DegenerateCase{"TwoCoincidentPoints", ThreePoints(kOrigin, kOrigin, {2, 2}), 0},
        DegenerateCase{"Triangle", ThreeLines({kOrigin, 0, 0}, {{10, 0}, 135, 0}, {kOrigin, 225, 0}), 4},
        DegenerateCase{"TwoParallelLines", ThreeLines({kOrigin, 0, 0}, {{0, 10}, 180, 0}, {kOrigin, 90, 0}), 2},
        DegenerateCase{"ParallelByOffset", ThreeLines({kOrigin, 0, 0}, {kOrigin, 0, 10}, {kOrigin, 60, 0}), 2},
        DegenerateCase{"AllParallel", ThreeLines({kOrigin, 0, 0}, {kOrigin, 180, 3}, {kOrigin, 0, 7}), 0},
        DegenerateCase{"Concurrent", ThreeLines({kOrigin, 0, 0}, {kOrigin, 60, 0}, {kOrigin, 120, 0}), 0}),
    [](const testing::TestParamInfo<DegenerateCase>& info) { return info.param.name; });

// Figures built to touch: circles placed at exactly the sum or difference of
// their radii along a random direction, points on circles, tangents from
// points. The answers must still touch within 1e-9.
TEST(GeometryTouching, BuiltTangenciesKeepEveryAnswerTouching) {
  std::mt19937 random(5);
  const auto uniform = [&](double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(random);
  };
  for (int i = 0; i < 300; ++i) {
    const Circle c1{{uniform(-50, 50), uniform(-50, 50)}, uniform(1, 20)};
    const double r2 = uniform(1, 20), angle = uniform(-180, 180), rho = uniform(0.5, 15);
    const Vector along = UnitVector(angle);
    const double distance = i % 2 == 0 ? c1.radius + r2 : std::fabs(c1.radius - r2);
    const Circle c2{c1.centre + distance * along, r2};
    const Point onC1 = c1.centre + c1.radius * along;
    const Line tangentAtOnC1{onC1, angle + 90, 0};
    SCOPED_TRACE(i);
    // Touching circles share one point, and a line touching them there.
    if (distance > 1e-6) {
      EXPECT_EQ(CircleCircle(c1, c2)(), 1u);
      EXPECT_GE(Tangents(c1, c2)(), 1u);
    }
    EXPECT_EQ(LineCircle(tangentAtOnC1, c1)(), 1u);
    EXPECT_EQ(Tangents({onC1, 0}, c1)(), 1u);
    ThroughPoint(onC1, c1, rho)();
    OnTangents(onC1, c1, rho)();
    LineAndCircle(tangentAtOnC1, c2, rho)();
    TwoCircles(c1, c2, rho)();
    TwoCircles(c1, c2, 0)();
  }
}

// Counter-clockwise around the first element from the positive X
// direction; an answer at that element's point first, tangents through one
// point by direction.
TEST(GeometryOrder, AnswersGoCounterClockwiseAroundTheFirstElement) {
  // (5, 0) and (15, 0) touch both circles where they touch each other; (10, 11.18) and (10, -11.18) hold both.
  const auto circles = CirclesTouchingTwoCircles({kOrigin, 10}, {{20, 0}, 10}, 5);
  ASSERT_EQ(circles.size(), 4u);
  EXPECT_NEAR(circles[0].centre.x, 5, 1e-12);
  EXPECT_NEAR(circles[1].centre.x, 15, 1e-12);
  EXPECT_NEAR(circles[2].centre.y, 11.180339887498949, 1e-12);
  EXPECT_NEAR(circles[3].centre.y, -11.180339887498949, 1e-12);

  const auto tangents = CommonTangents({kOrigin, 0}, {{10, 0}, 5});
  ASSERT_EQ(tangents.size(), 2u);
  EXPECT_NEAR(tangents[0].direction, 30, 1e-12);
  EXPECT_NEAR(tangents[1].direction, -30, 1e-12);

  const auto points = Intersections(Line{{0, 3}, 0, 0}, Circle{kOrigin, 5});
  ASSERT_EQ(points.size(), 2u);
  EXPECT_EQ(points[0].x, 4);  // straight right of the line's point, then straight left
  EXPECT_EQ(points[1].x, -4);
}

// Directions come out in (-180, 180] even where the conversion to degrees
// rounds a direction just above -180 past the end, and exact on the axes.
TEST(GeometryDirections, StayInTheirRange) {
  EXPECT_EQ(*DirectionBetween({1e33, 1000}, {1, 0}), 180);
  EXPECT_EQ(*DirectionBetween(kOrigin, {-5, 0}), 180);
  EXPECT_EQ(*DirectionBetween(kOrigin, {0, -5}), -90);
  EXPECT_EQ(UnitVector(270).x, 0);
  EXPECT_EQ(UnitVector(-630).y, 1);
}

}  // namespace
}  // namespace draftcalc::geometry
