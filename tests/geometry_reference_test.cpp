// Every construction of the exact geometry against OpenCASCADE's analytic
// constructions, on generated inputs that are well conditioned: every
// tangency and parallel test of the figure lies clearly one way or the other
// (OpenCASCADE decides those within about an ulp, or absolutely). Both must
// give the same set of answers within 1e-9 of the figure's scale.
#include <gtest/gtest.h>

#include <GccAna_Circ2d2TanRad.hxx>
#include <GccAna_Circ2d3Tan.hxx>
#include <GccAna_Lin2d2Tan.hxx>
#include <GccEnt.hxx>
#include <GccEnt_QualifiedCirc.hxx>
#include <GccEnt_QualifiedLin.hxx>
#include <IntAna2d_AnaIntersection.hxx>
#include <IntAna2d_IntPoint.hxx>
#include <cmath>
#include <gp_Ax2d.hxx>
#include <gp_Circ2d.hxx>
#include <gp_Dir2d.hxx>
#include <gp_Lin2d.hxx>
#include <gp_Pnt2d.hxx>
#include <gp_Vec2d.hxx>
#include <numbers>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "geometry/intersections.h"
#include "geometry/solution_set.h"
#include "geometry/tangent_lines.h"
#include "geometry/three_elements.h"
#include "geometry/touching_circles.h"
#include "occt_reference.h"

namespace draftcalc::geometry {
namespace {

using namespace occt_reference;

constexpr int kCases = 400;
constexpr double kRelative = 1e-9;
// Distances from every tangency or parallel test, relative to the scale,
// below which a generated input is not used.
constexpr double kConditioning = 1e-6;
constexpr double kOcctTolerance = 1e-10;

// One answer as numbers to compare: a point, a radius (0 for none) and a
// line direction in degrees compared modulo a half turn (NaN for none).
struct Shape {
  double x, y, r = 0, direction = std::nan("");
};

std::string Describe(const std::vector<Shape>& shapes) {
  std::ostringstream out;
  out.precision(17);
  for (const Shape& s : shapes) out << " (" << s.x << ", " << s.y << " r " << s.r << " dir " << s.direction << ")";
  return out.str();
}

bool Matches(const Shape& a, const Shape& b, double scale) {
  const double tolerance = kRelative * scale;
  if (std::fabs(a.x - b.x) > tolerance || std::fabs(a.y - b.y) > tolerance || std::fabs(a.r - b.r) > tolerance)
    return false;
  if (std::isnan(a.direction) != std::isnan(b.direction)) return false;
  return std::isnan(a.direction) || AngleBetween(a.direction, b.direction, true) * kRadiansPerDegree <= kRelative;
}

// The same answers, each matched once.
void ExpectSameSets(const std::vector<Shape>& ours, const std::vector<Shape>& theirs, double scale,
                    const std::string& input) {
  const bool same = SameSets(ours, theirs, [scale](const Shape& a, const Shape& b) { return Matches(a, b, scale); });
  EXPECT_TRUE(same) << input << "\n  ours:  " << Describe(ours) << "\n  OCCT:  " << Describe(theirs);
}

// Line directions over two whole turns either way.
class Inputs : public RandomFigures {
 public:
  explicit Inputs(unsigned seed) : RandomFigures(seed, 360) {}
};

std::string Text(const Point& p) {
  std::ostringstream out;
  out.precision(17);
  out << "(" << p.x << ", " << p.y << ")";
  return out.str();
}
std::string Text(const Circle& c) { return "circle " + Text(c.centre) + " r " + std::to_string(c.radius); }
std::string Text(const Line& l) {
  std::ostringstream out;
  out.precision(17);
  out << "line " << Text(l.point) << " at " << l.direction << " offset " << l.offset;
  return out.str();
}

double DirectionOf(const gp_Lin2d& l) { return std::atan2(l.Direction().Y(), l.Direction().X()) / kRadiansPerDegree; }

std::vector<Shape> Shapes(const std::vector<Point>& points) {
  std::vector<Shape> shapes;
  for (const Point& p : points) shapes.push_back({p.x, p.y});
  return shapes;
}
std::vector<Shape> Shapes(const std::vector<Circle>& circles) {
  std::vector<Shape> shapes;
  for (const Circle& c : circles) shapes.push_back({c.centre.x, c.centre.y, c.radius});
  return shapes;
}
template <class Construction>
std::vector<Shape> CirclesOf(const Construction& construction) {
  std::vector<Shape> shapes;
  for (int i = 1; construction.IsDone() && i <= construction.NbSolutions(); ++i) {
    const gp_Circ2d c = construction.ThisSolution(i);
    shapes.push_back({c.Location().X(), c.Location().Y(), c.Radius()});
  }
  return shapes;
}
std::vector<Shape> PointsOf(const IntAna2d_AnaIntersection& intersection) {
  std::vector<Shape> shapes;
  for (int i = 1; intersection.IsDone() && !intersection.IsEmpty() && i <= intersection.NbPoints(); ++i) {
    const gp_Pnt2d p = intersection.Point(i).Value();
    shapes.push_back({p.X(), p.Y()});
  }
  return shapes;
}
// Each tangent by the point where it touches the first OpenCASCADE argument.
std::vector<Shape> FirstTouchesOf(const GccAna_Lin2d2Tan& tangents) {
  std::vector<Shape> shapes;
  for (int i = 1; tangents.IsDone() && i <= tangents.NbSolutions(); ++i) {
    double onLine = 0, onArgument = 0;
    gp_Pnt2d touch;
    tangents.Tangency1(i, onLine, onArgument, touch);
    shapes.push_back({touch.X(), touch.Y(), 0, DirectionOf(tangents.ThisSolution(i))});
  }
  return shapes;
}

TEST(GeometryReference, DirectionBetweenTwoPoints) {
  Inputs in(11);
  for (int i = 0; i < kCases; ++i) {
    const Point a = in.AnyPoint(), b = in.AnyPoint();
    const double theirs = gp::DX2d().Angle(gp_Dir2d(gp_Vec2d(Occt(a), Occt(b)))) / kRadiansPerDegree;
    const auto ours = DirectionBetween(a, b);
    ASSERT_TRUE(ours.has_value());
    EXPECT_NEAR(*ours, theirs, 1e-9) << Text(a) << " " << Text(b);
  }
}

TEST(GeometryReference, TangentsFromAPointToACircle) {
  Inputs in(12);
  for (int tested = 0; tested < kCases;) {
    const Point p = in.AnyPoint();
    const Circle c = in.AnyCircle();
    const double scale = ScaleOf(p, c);
    if (CircleCircleMargin({p, 0}, c) < kConditioning * scale) continue;
    ++tested;
    std::vector<Shape> ours;
    for (const TangentLine& t : CommonTangents({p, 0}, c)) {
      EXPECT_TRUE(SamePoint(t.first, p, scale));
      ours.push_back({t.second.x, t.second.y, 0, t.direction});
    }
    ExpectSameSets(ours, FirstTouchesOf(GccAna_Lin2d2Tan(GccEnt::Unqualified(Occt(c)), Occt(p), kOcctTolerance)), scale,
                   Text(p) + " " + Text(c));
  }
}

TEST(GeometryReference, CommonTangentsOfTwoCircles) {
  Inputs in(13);
  for (int tested = 0; tested < kCases;) {
    const Circle a = in.AnyCircle(), b = in.AnyCircle();
    const double scale = ScaleOf(a, b);
    if (CircleCircleMargin(a, b) < kConditioning * scale) continue;
    ++tested;
    std::vector<Shape> ours;
    for (const TangentLine& t : CommonTangents(a, b)) ours.push_back({t.first.x, t.first.y, 0, t.direction});
    ExpectSameSets(
        ours,
        FirstTouchesOf(GccAna_Lin2d2Tan(GccEnt::Unqualified(Occt(a)), GccEnt::Unqualified(Occt(b)), kOcctTolerance)),
        scale, Text(a) + " " + Text(b));
  }
}

TEST(GeometryReference, IntersectionOfTwoLines) {
  Inputs in(21);
  for (int i = 0; i < kCases; ++i) {
    const Line a = in.AnyLine(), b = in.AnyLine();
    const auto ours = Intersection(a, b);
    const IntAna2d_AnaIntersection theirs(Occt(a), Occt(b));
    // Far from parallel: the crossing lies within a few hundred units.
    if (std::fabs(std::sin((a.direction - b.direction) * kRadiansPerDegree)) < 0.05) continue;
    ASSERT_TRUE(ours.has_value()) << Text(a) << " " << Text(b);
    ExpectSameSets(Shapes(std::vector{*ours}), PointsOf(theirs), ScaleOf(a, b, *ours), Text(a) + " " + Text(b));
  }
}

TEST(GeometryReference, IntersectionsOfALineAndACircle) {
  Inputs in(22);
  for (int tested = 0; tested < kCases;) {
    const Line l = in.AnyLine();
    const Circle c = in.AnyCircle();
    const double scale = ScaleOf(l, c);
    if (LineCircleMargin(l, c) < kConditioning * scale) continue;
    ++tested;
    ExpectSameSets(Shapes(Intersections(l, c)), PointsOf(IntAna2d_AnaIntersection(Occt(l), Occt(c))), scale,
                   Text(l) + " " + Text(c));
  }
}

TEST(GeometryReference, IntersectionsOfTwoCircles) {
  Inputs in(23);
  for (int tested = 0; tested < kCases;) {
    const Circle a = in.AnyCircle(), b = in.AnyCircle();
    const double scale = ScaleOf(a, b);
    if (CircleCircleMargin(a, b) < kConditioning * scale) continue;
    ++tested;
    ExpectSameSets(Shapes(Intersections(a, b)), PointsOf(IntAna2d_AnaIntersection(Occt(a), Occt(b))), scale,
                   Text(a) + " " + Text(b));
  }
}

TEST(GeometryReference, CirclesThroughAPointTouchingACircle) {
  Inputs in(31);
  for (int tested = 0; tested < kCases;) {
    const Point p = in.AnyPoint();
    const Circle c = in.AnyCircle();
    const double rho = in.Uniform(1, 80);
    const double scale = ScaleOf(p, c, rho);
    const Circle throughP{p, rho};
    const auto around = Grown(c, rho);
    if (std::min(CircleCircleMargin(throughP, around[0]), CircleCircleMargin(throughP, around[1])) <
        kConditioning * scale)
      continue;
    ++tested;
    ExpectSameSets(Shapes(CirclesThroughPointTouchingCircle(p, c, rho)),
                   CirclesOf(GccAna_Circ2d2TanRad(GccEnt::Unqualified(Occt(c)), Occt(p), rho, kOcctTolerance)), scale,
                   Text(p) + " " + Text(c) + " radius " + std::to_string(rho));
  }
}

// OpenCASCADE's tangents from the point, then for each tangent its circles
// touching that line and the circle in the corners between them. The two
// circles at the touching point sit on an exact tangency, which OpenCASCADE
// splits into two answers a few 1e-8 apart or drops; they are built from
// its touching point instead, one radius off the line on either side.
std::vector<Shape> OcctCirclesOnTangents(Point p, const Circle& c, double rho, double scale) {
  std::vector<Shape> shapes;
  const GccAna_Lin2d2Tan tangents(GccEnt::Unqualified(Occt(c)), Occt(p), kOcctTolerance);
  for (int i = 1; i <= tangents.NbSolutions(); ++i) {
    const gp_Lin2d tangent = tangents.ThisSolution(i);
    const double direction = DirectionOf(tangent);
    double onLine = 0, onCircle = 0;
    gp_Pnt2d touch;
    tangents.Tangency1(i, onLine, onCircle, touch);
    const GccAna_Circ2d2TanRad touching(GccEnt::Unqualified(Occt(c)), GccEnt::Unqualified(tangent), rho,
                                        kOcctTolerance);
    for (int j = 1; j <= touching.NbSolutions(); ++j) {
      gp_Pnt2d onTangent;
      touching.Tangency2(j, onLine, onCircle, onTangent);
      if (onTangent.Distance(touch) < 1e-4 * scale) continue;
      const gp_Pnt2d centre = touching.ThisSolution(j).Location();
      shapes.push_back({centre.X(), centre.Y(), rho, direction});
    }
    const gp_Vec2d normal = gp_Vec2d(tangent.Direction()).Rotated(std::numbers::pi / 2);
    for (const double side : {rho, -rho}) {
      const gp_Pnt2d centre = touch.Translated(side * normal);
      shapes.push_back({centre.X(), centre.Y(), rho, direction});
    }
  }
  return shapes;
}

TEST(GeometryReference, CirclesTouchingACircleAndATangentFromAPoint) {
  Inputs in(32);
  for (int tested = 0; tested < kCases;) {
    const Point p = in.AnyPoint();
    const Circle c = in.AnyCircle();
    const double rho = in.Uniform(1, 40);
    const double scale = ScaleOf(p, c, rho);
    if (Distance(p, c.centre) - c.radius < kConditioning * scale || std::fabs(rho - c.radius) < 1e-3) continue;
    ++tested;
    std::vector<Shape> ours;
    for (const CircleOnTangent& a : CirclesTouchingCircleAndTangent(p, c, rho))
      ours.push_back({a.circle.centre.x, a.circle.centre.y, a.circle.radius, a.tangentDirection});
    ExpectSameSets(ours, OcctCirclesOnTangents(p, c, rho, scale), scale,
                   Text(p) + " " + Text(c) + " radius " + std::to_string(rho));
  }
}

TEST(GeometryReference, CirclesTouchingALineAndACircle) {
  Inputs in(33);
  for (int tested = 0; tested < kCases;) {
    const Line l = in.AnyLine();
    const Circle c = in.AnyCircle();
    const double rho = in.Uniform(1, 40);
    const double scale = ScaleOf(l, c, rho);
    double margin = scale;
    for (const double side : {rho, -rho}) {
      for (const Circle& around : Grown(c, rho))
        margin = std::min(margin, LineCircleMargin({l.point, l.direction, l.offset + side}, around));
    }
    if (margin < kConditioning * scale) continue;
    ++tested;
    ExpectSameSets(Shapes(CirclesTouchingLineAndCircle(l, c, rho)),
                   CirclesOf(GccAna_Circ2d2TanRad(GccEnt::Unqualified(Occt(c)), GccEnt::Unqualified(Occt(l)), rho,
                                                  kOcctTolerance)),
                   scale, Text(l) + " " + Text(c) + " radius " + std::to_string(rho));
  }
}

TEST(GeometryReference, CirclesTouchingTwoCircles) {
  Inputs in(34);
  for (int tested = 0; tested < kCases;) {
    const Circle a = in.AnyCircle(), b = in.AnyCircle();
    const double rho = in.Uniform(1, 40);
    const double scale = ScaleOf(a, b, rho);
    double margin = scale;
    for (const Circle& aroundA : Grown(a, rho)) {
      for (const Circle& aroundB : Grown(b, rho)) margin = std::min(margin, CircleCircleMargin(aroundA, aroundB));
    }
    if (margin < kConditioning * scale) continue;
    ++tested;
    ExpectSameSets(Shapes(CirclesTouchingTwoCircles(a, b, rho)),
                   CirclesOf(GccAna_Circ2d2TanRad(GccEnt::Unqualified(Occt(a)), GccEnt::Unqualified(Occt(b)), rho,
                                                  kOcctTolerance)),
                   scale, Text(a) + " " + Text(b) + " radius " + std::to_string(rho));
  }
}

TEST(GeometryReference, CircleThroughThreePoints) {
  Inputs in(35);
  for (int tested = 0; tested < kCases;) {
    const Point p1 = in.AnyPoint(), p2 = in.AnyPoint(), p3 = in.AnyPoint();
    const double sine = std::fabs(Cross(p2 - p1, p3 - p1)) / (Distance(p1, p2) * Distance(p1, p3));
    if (sine < 1e-2) continue;
    ++tested;
    const auto ours = CircleThroughThreePoints(p1, p2, p3);
    ASSERT_TRUE(ours.has_value());
    ExpectSameSets(Shapes(std::vector{*ours}),
                   CirclesOf(GccAna_Circ2d3Tan(Occt(p1), Occt(p2), Occt(p3), kOcctTolerance)),
                   ScaleOf(p1, p2, p3, *ours), Text(p1) + " " + Text(p2) + " " + Text(p3));
  }
}

TEST(GeometryReference, CirclesTouchingThreeLines) {
  Inputs in(36);
  for (int tested = 0; tested < kCases;) {
    const Line l1 = in.AnyLine(), l2 = in.AnyLine(), l3 = in.AnyLine();
    const auto sine = [](const Line& a, const Line& b) {
      return std::fabs(std::sin((a.direction - b.direction) * kRadiansPerDegree));
    };
    if (std::min({sine(l1, l2), sine(l2, l3), sine(l1, l3)}) < 0.1) continue;
    // Far from concurrent: the triangle of OpenCASCADE's corners is not small.
    const auto corner = [](const Line& a, const Line& b) {
      return IntAna2d_AnaIntersection(Occt(a), Occt(b)).Point(1).Value();
    };
    const gp_Pnt2d c12 = corner(l1, l2), c23 = corner(l2, l3), c13 = corner(l1, l3);
    if (std::fabs(gp_Vec2d(c12, c23).Crossed(gp_Vec2d(c12, c13))) < 10) continue;
    ++tested;
    const std::vector<Circle> ours = CirclesTouchingThreeLines(l1, l2, l3);
    double scale = ScaleOf(l1, l2, l3);
    for (const Circle& c : ours) scale = std::max(scale, Magnitude(c));
    ExpectSameSets(Shapes(ours),
                   CirclesOf(GccAna_Circ2d3Tan(GccEnt::Unqualified(Occt(l1)), GccEnt::Unqualified(Occt(l2)),
                                               GccEnt::Unqualified(Occt(l3)), kOcctTolerance)),
                   scale, Text(l1) + " " + Text(l2) + " " + Text(l3));
  }
}

}  // namespace
}  // namespace draftcalc::geometry
