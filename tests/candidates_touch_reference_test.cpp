// The touching points of the candidates against OpenCASCADE's analytic
// constructions, which give their tangency points (and the answers of the
// constructions no calculation gives: fillets, circles through a point
// touching a line, feet of perpendiculars): for generated inputs
// that lie clearly away from every tangency and parallel (as in the
// geometry's own reference test), each candidate's centre or tangent and its
// touching points, in row order, must be one of OpenCASCADE's answers with
// its tangency points, within 1e-9 of the figure's scale. The inputs go in
// as box texts, so the rows, the routes and the order of the touching points
// are the candidates' own.
#include <gtest/gtest.h>

#include <Extrema_ExtPElC2d.hxx>
#include <Extrema_POnCurv2d.hxx>
#include <GccAna_Circ2d2TanRad.hxx>
#include <GccAna_Circ2d3Tan.hxx>
#include <GccAna_Lin2d2Tan.hxx>
#include <GccEnt.hxx>
#include <GccEnt_QualifiedCirc.hxx>
#include <GccEnt_QualifiedLin.hxx>
#include <algorithm>
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

#include "candidates/candidate.h"
#include "candidates/candidate_text.h"
#include "engine_fixture.h"
#include "geometry/solution_set.h"
#include "occt_reference.h"

namespace draftcalc::candidates {
namespace {

using namespace occt_reference;

using GPoint = geometry::Point;
using GLine = geometry::Line;
using GCircle = geometry::Circle;

constexpr int kCases = 300;
constexpr double kRelative = 1e-9;
constexpr double kConditioning = 1e-6;
constexpr double kOcctTolerance = 1e-10;

// An answer as the numbers compared: its point (a centre, or where a
// tangent touches row 1's element) and its touching points in order.
using Shape = std::vector<double>;

std::string Describe(const std::vector<Shape>& shapes) {
  std::ostringstream out;
  out.precision(17);
  for (const Shape& s : shapes) {
    out << " (";
    for (double v : s) out << v << " ";
    out << ")";
  }
  return out.str();
}

bool Matches(const Shape& a, const Shape& b, double scale) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::fabs(a[i] - b[i]) > kRelative * scale) return false;
  }
  return true;
}

void ExpectSameSets(const std::vector<Shape>& ours, const std::vector<Shape>& theirs, double scale,
                    const InputTexts& texts) {
  const bool same =
      !ours.empty() && SameSets(ours, theirs, [scale](const Shape& a, const Shape& b) { return Matches(a, b, scale); });
  std::string rows;
  for (int r = 0; r < kRowCount; ++r) {
    for (int c = 0; c < kColumnCount; ++c) (rows += texts(r, static_cast<Column>(c))) += ",";
    rows += " ";
  }
  EXPECT_TRUE(same) << rows << "\n  ours:  " << Describe(ours) << "\n  OCCT:  " << Describe(theirs);
}

// Line directions within a half turn either way, as a row's A is given.
class Inputs : public RandomFigures {
 public:
  explicit Inputs(unsigned seed) : RandomFigures(seed, 180) {}
};

std::string Text(double v) { return ShortestNumberText(v); }
Row PointRow(GPoint p) { return Point(Text(p.x), Text(p.y)); }
Row CircleRow(const GCircle& c) { return Circle(Text(c.centre.x), Text(c.centre.y), Text(c.radius), "1"); }
Row LineRow(const GLine& l) { return Line(Text(l.point.x), Text(l.point.y), Text(l.direction), Text(l.offset)); }

void Append(Shape& shape, const gp_Pnt2d& p) {
  shape.push_back(p.X());
  shape.push_back(p.Y());
}
void Append(Shape& shape, GPoint p) {
  shape.push_back(p.x);
  shape.push_back(p.y);
}

// Our candidates of one calculation: the point, then each touching point.
std::vector<Shape> Ours(const InputTexts& texts, CalculationId calculation, double& scale,
                        Construction construction = Construction::kCalculation) {
  std::vector<Shape> shapes;
  for (const Candidate& c : FindCandidates(texts)) {
    if (c.calculation != calculation || c.construction != construction) continue;
    Shape shape;
    Append(shape, c.point);
    for (GPoint t : c.touches) Append(shape, t);
    scale = std::max({scale, geometry::Magnitude(c.point), c.radius.value_or(0)});
    shapes.push_back(shape);
  }
  return shapes;
}

// OpenCASCADE's circles of radius rho touching two arguments: the centre,
// then the tangency point on the second argument if `secondFirst`, and on
// the first.
template <class Construction>
std::vector<Shape> TouchingCircles(const Construction& circles, bool secondFirst) {
  std::vector<Shape> shapes;
  for (int i = 1; circles.IsDone() && i <= circles.NbSolutions(); ++i) {
    double onSolution = 0, onArgument = 0;
    gp_Pnt2d first, second;
    circles.Tangency1(i, onSolution, onArgument, first);
    circles.Tangency2(i, onSolution, onArgument, second);
    Shape shape;
    Append(shape, circles.ThisSolution(i).Location());
    Append(shape, secondFirst ? second : first);
    Append(shape, secondFirst ? first : second);
    shapes.push_back(shape);
  }
  return shapes;
}

TEST(TouchReference, TangentFromAPointTouchesTheCircle) {
  Inputs in(41);
  for (int tested = 0; tested < kCases;) {
    const GPoint p = in.AnyPoint();
    const GCircle c = in.AnyCircle();
    double scale = geometry::ScaleOf(p, c);
    if (CircleCircleMargin({p, 0}, c) < kConditioning * scale) continue;
    ++tested;
    const Row r1 = PointRow(p), r2 = CircleRow(c), r3 = Unused();  // the texts view them
    const InputTexts texts = TextsOf(r1, r2, r3);
    const std::vector<Shape> ours = Ours(texts, CalculationId::kTangentPointCircle, scale);
    std::vector<Shape> theirs;
    const GccAna_Lin2d2Tan tangents(GccEnt::Unqualified(Occt(c)), Occt(p), kOcctTolerance);
    for (int i = 1; i <= tangents.NbSolutions(); ++i) {
      double onLine = 0, onCircle = 0;
      gp_Pnt2d touch;
      tangents.Tangency1(i, onLine, onCircle, touch);
      Shape shape;
      Append(shape, p);
      Append(shape, touch);
      theirs.push_back(shape);
    }
    if (!theirs.empty() || !ours.empty()) ExpectSameSets(ours, theirs, scale, texts);
  }
}

TEST(TouchReference, TangentOfTwoCirclesTouchesBoth) {
  Inputs in(42);
  for (int tested = 0; tested < kCases;) {
    const GCircle a = in.AnyCircle(), b = in.AnyCircle();
    double scale = geometry::ScaleOf(a, b);
    if (CircleCircleMargin(a, b) < kConditioning * scale) continue;
    ++tested;
    const Row r1 = CircleRow(a), r2 = CircleRow(b), r3 = Unused();
    const InputTexts texts = TextsOf(r1, r2, r3);
    const std::vector<Shape> ours = Ours(texts, CalculationId::kTangentTwoCircles, scale);
    std::vector<Shape> theirs;
    const GccAna_Lin2d2Tan tangents(GccEnt::Unqualified(Occt(a)), GccEnt::Unqualified(Occt(b)), kOcctTolerance);
    for (int i = 1; i <= tangents.NbSolutions(); ++i) {
      double onLine = 0, onCircle = 0;
      gp_Pnt2d first, second;
      tangents.Tangency1(i, onLine, onCircle, first);
      tangents.Tangency2(i, onLine, onCircle, second);
      Shape shape;
      Append(shape, first);
      Append(shape, first);
      Append(shape, second);
      theirs.push_back(shape);
    }
    if (!theirs.empty() || !ours.empty()) ExpectSameSets(ours, theirs, scale, texts);
  }
}

TEST(TouchReference, CircleThroughAPointTouchesTheCircle) {
  Inputs in(43);
  for (int tested = 0; tested < kCases;) {
    const GPoint p = in.AnyPoint();
    const GCircle c = in.AnyCircle();
    const double rho = in.Uniform(1, 80);
    double scale = geometry::ScaleOf(p, c, rho);
    const auto around = Grown(c, rho);
    if (std::min(CircleCircleMargin({p, rho}, around[0]), CircleCircleMargin({p, rho}, around[1])) <
        kConditioning * scale)
      continue;
    const Row r1 = PointRow(p), r2 = Value(Text(rho)), r3 = CircleRow(c);
    const InputTexts texts = TextsOf(r1, r2, r3);
    const std::vector<Shape> ours = Ours(texts, CalculationId::kCircleThroughPointTouchingCircle, scale);
    std::vector<Shape> theirs;
    const GccAna_Circ2d2TanRad circles(GccEnt::Unqualified(Occt(c)), Occt(p), rho, kOcctTolerance);
    for (int i = 1; circles.IsDone() && i <= circles.NbSolutions(); ++i) {
      double onSolution = 0, onArgument = 0;
      gp_Pnt2d touch;
      circles.Tangency1(i, onSolution, onArgument, touch);
      Shape shape;
      Append(shape, circles.ThisSolution(i).Location());
      Append(shape, touch);
      theirs.push_back(shape);
    }
    if (theirs.empty() && ours.empty()) continue;
    ++tested;
    ExpectSameSets(ours, theirs, scale, texts);
  }
}

// The circles at the tangent's own touching point sit on an exact tangency
// that OpenCASCADE splits or drops (see the geometry's reference test):
// they are built from its touching point, which is then both of theirs.
std::vector<Shape> CirclesOnTangents(GPoint p, const GCircle& c, double rho, double scale) {
  std::vector<Shape> shapes;
  const GccAna_Lin2d2Tan tangents(GccEnt::Unqualified(Occt(c)), Occt(p), kOcctTolerance);
  for (int i = 1; i <= tangents.NbSolutions(); ++i) {
    const gp_Lin2d tangent = tangents.ThisSolution(i);
    double onLine = 0, onCircle = 0;
    gp_Pnt2d touch;
    tangents.Tangency1(i, onLine, onCircle, touch);
    const GccAna_Circ2d2TanRad touching(GccEnt::Unqualified(Occt(c)), GccEnt::Unqualified(tangent), rho,
                                        kOcctTolerance);
    for (Shape& shape : TouchingCircles(touching, true)) {
      if (gp_Pnt2d(shape[2], shape[3]).Distance(touch) >= 1e-4 * scale) shapes.push_back(shape);
    }
    const gp_Vec2d normal = gp_Vec2d(tangent.Direction()).Rotated(std::numbers::pi / 2);
    for (const double side : {rho, -rho}) {
      Shape shape;
      Append(shape, touch.Translated(side * normal));
      Append(shape, touch);
      Append(shape, touch);
      shapes.push_back(shape);
    }
  }
  return shapes;
}

TEST(TouchReference, CircleOnATangentTouchesTheTangentThenTheCircle) {
  Inputs in(44);
  for (int tested = 0; tested < kCases;) {
    const GPoint p = in.AnyPoint();
    const GCircle c = in.AnyCircle();
    const double rho = in.Uniform(1, 40);
    double scale = geometry::ScaleOf(p, c, rho);
    if (geometry::Distance(p, c.centre) - c.radius < kConditioning * scale || std::fabs(rho - c.radius) < 1e-3)
      continue;
    ++tested;
    const Row r1 = PointRow(p), r2 = Value(Text(rho)), r3 = CircleRow(c);
    const InputTexts texts = TextsOf(r1, r2, r3);
    const std::vector<Shape> ours = Ours(texts, CalculationId::kCircleTouchingCircleAndTangent, scale);
    ExpectSameSets(ours, CirclesOnTangents(p, c, rho, scale), scale, texts);
  }
}

TEST(TouchReference, CircleTouchingALineAndACircleTouchesTheLineThenTheCircle) {
  Inputs in(45);
  for (int tested = 0; tested < kCases;) {
    const GLine l = in.AnyLine();
    const GCircle c = in.AnyCircle();
    const double rho = in.Uniform(1, 40);
    double scale = geometry::ScaleOf(l, c, rho);
    double margin = scale;
    for (const double side : {rho, -rho}) {
      for (const GCircle& around : Grown(c, rho))
        margin = std::min(margin, LineCircleMargin({l.point, l.direction, l.offset + side}, around));
    }
    if (margin < kConditioning * scale) continue;
    const Row r1 = LineRow(l), r2 = Value(Text(rho)), r3 = CircleRow(c);
    const InputTexts texts = TextsOf(r1, r2, r3);
    const std::vector<Shape> ours = Ours(texts, CalculationId::kCircleTouchingLineAndCircle, scale);
    const GccAna_Circ2d2TanRad circles(GccEnt::Unqualified(Occt(c)), GccEnt::Unqualified(Occt(l)), rho, kOcctTolerance);
    const std::vector<Shape> theirs = TouchingCircles(circles, true);
    if (theirs.empty() && ours.empty()) continue;
    ++tested;
    ExpectSameSets(ours, theirs, scale, texts);
  }
}

TEST(TouchReference, CircleTouchingTwoCirclesTouchesBothInRowOrder) {
  Inputs in(46);
  for (int tested = 0; tested < kCases;) {
    const GCircle a = in.AnyCircle(), b = in.AnyCircle();
    const double rho = in.Uniform(1, 40);
    double scale = geometry::ScaleOf(a, b, rho);
    double margin = scale;
    for (const GCircle& aroundA : Grown(a, rho)) {
      for (const GCircle& aroundB : Grown(b, rho)) margin = std::min(margin, CircleCircleMargin(aroundA, aroundB));
    }
    if (margin < kConditioning * scale) continue;
    const Row r1 = CircleRow(a), r2 = Value(Text(rho)), r3 = CircleRow(b);
    const InputTexts texts = TextsOf(r1, r2, r3);
    const std::vector<Shape> ours = Ours(texts, CalculationId::kCircleTouchingTwoCircles, scale);
    const GccAna_Circ2d2TanRad circles(GccEnt::Unqualified(Occt(a)), GccEnt::Unqualified(Occt(b)), rho, kOcctTolerance);
    const std::vector<Shape> theirs = TouchingCircles(circles, false);
    if (theirs.empty() && ours.empty()) continue;
    ++tested;
    ExpectSameSets(ours, theirs, scale, texts);
  }
}

TEST(TouchReference, CircleTouchingThreeLinesTouchesEachInRowOrder) {
  Inputs in(47);
  for (int tested = 0; tested < kCases;) {
    const GLine l1 = in.AnyLine(), l2 = in.AnyLine(), l3 = in.AnyLine();
    const auto sine = [](const GLine& a, const GLine& b) {
      return std::fabs(std::sin((a.direction - b.direction) * kRadiansPerDegree));
    };
    if (std::min({sine(l1, l2), sine(l2, l3), sine(l1, l3)}) < 0.1) continue;
    const GccAna_Circ2d3Tan circles(GccEnt::Unqualified(Occt(l1)), GccEnt::Unqualified(Occt(l2)),
                                    GccEnt::Unqualified(Occt(l3)), kOcctTolerance);
    std::vector<Shape> theirs;
    double scale = geometry::ScaleOf(l1, l2, l3);
    for (int i = 1; circles.IsDone() && i <= circles.NbSolutions(); ++i) {
      Shape shape;
      Append(shape, circles.ThisSolution(i).Location());
      scale = std::max({scale, std::fabs(shape[0]), std::fabs(shape[1]), circles.ThisSolution(i).Radius()});
      double onSolution = 0, onArgument = 0;
      gp_Pnt2d touch;
      circles.Tangency1(i, onSolution, onArgument, touch);
      Append(shape, touch);
      circles.Tangency2(i, onSolution, onArgument, touch);
      Append(shape, touch);
      circles.Tangency3(i, onSolution, onArgument, touch);
      Append(shape, touch);
      theirs.push_back(shape);
    }
    if (theirs.size() != 4) continue;  // nearly concurrent: the triangle is small
    ++tested;
    const Row r1 = LineRow(l1), r2 = LineRow(l2), r3 = LineRow(l3);
    const InputTexts texts = TextsOf(r1, r2, r3);
    ExpectSameSets(Ours(texts, CalculationId::kCircleTouchingThreeLines, scale), theirs, scale, texts);
  }
}

// The constructions no calculation gives, listed for the rows that describe
// them: each against OpenCASCADE, with C of either sign.
double SignedRadius(Inputs& in, double rho) { return in.Uniform(0, 1) < 0.5 ? -rho : rho; }

TEST(ConstructionOnlyReference, FilletsOfTwoLinesTouchLineOneThenLineThree) {
  Inputs in(51);
  for (int tested = 0; tested < kCases;) {
    const GLine l1 = in.AnyLine(), l3 = in.AnyLine();
    const double rho = in.Uniform(1, 60);
    double scale = geometry::ScaleOf(l1, l3, rho);
    if (std::fabs(std::sin((l1.direction - l3.direction) * kRadiansPerDegree)) < 1e-3) continue;
    ++tested;
    const Row r1 = LineRow(l1), r2 = Value(Text(SignedRadius(in, rho))), r3 = LineRow(l3);  // the texts view them
    const InputTexts texts = TextsOf(r1, r2, r3);
    const std::vector<Shape> ours = Ours(texts, CalculationId::kNone, scale, Construction::kFillet);
    const GccAna_Circ2d2TanRad circles(GccEnt::Unqualified(Occt(l1)), GccEnt::Unqualified(Occt(l3)), rho,
                                       kOcctTolerance);
    EXPECT_EQ(ours.size(), 4u);
    ExpectSameSets(ours, TouchingCircles(circles, false), scale, texts);
  }
}

TEST(ConstructionOnlyReference, CirclesThroughAPointTouchTheLineInEitherRowOrder) {
  Inputs in(52);
  int withAnswers = 0;
  for (int tested = 0; tested < kCases;) {
    const GPoint p = in.AnyPoint();
    const GLine l = in.AnyLine();
    const double rho = in.Uniform(1, 60);
    double scale = geometry::ScaleOf(p, l, rho);
    const double d = Occt(l).Distance(Occt(p));
    if (d < kConditioning * scale || std::fabs(d - 2 * rho) < kConditioning * scale) continue;
    ++tested;
    const GccAna_Circ2d2TanRad circles(GccEnt::Unqualified(Occt(l)), Occt(p), rho, kOcctTolerance);
    std::vector<Shape> theirs;
    for (int i = 1; circles.IsDone() && i <= circles.NbSolutions(); ++i) {
      double onSolution = 0, onLine = 0;
      gp_Pnt2d touch;
      circles.Tangency1(i, onSolution, onLine, touch);
      Shape shape;
      Append(shape, circles.ThisSolution(i).Location());
      Append(shape, touch);
      theirs.push_back(shape);
    }
    const Row value = Value(Text(SignedRadius(in, rho))), point = PointRow(p), line = LineRow(l);
    for (const InputTexts& texts : {TextsOf(point, value, line), TextsOf(line, value, point)}) {
      const std::vector<Shape> ours = Ours(texts, CalculationId::kNone, scale, Construction::kThroughPointTouchingLine);
      if (!theirs.empty() || !ours.empty()) ExpectSameSets(ours, theirs, scale, texts);
    }
    withAnswers += theirs.empty() ? 0 : 1;
  }
  EXPECT_GT(withAnswers, kCases / 4) << "the inputs must have answers to compare";
}

// The foot as a point, its distance and the line's direction (as its cosine
// and sine, scaled to the figure, so that directions a turn apart agree).
TEST(ConstructionOnlyReference, FootOfThePerpendicularIsOpenCascadesNearestPoint) {
  Inputs in(53);
  for (int tested = 0; tested < kCases; ++tested) {
    const GPoint p = in.AnyPoint();
    const GLine l = in.AnyLine();
    double scale = geometry::ScaleOf(p, l);
    const gp_Lin2d occtLine = Occt(l);
    const Extrema_ExtPElC2d nearest(Occt(p), occtLine, kOcctTolerance, -1e6, 1e6);
    ASSERT_TRUE(nearest.IsDone() && nearest.NbExt() == 1);
    Shape theirs;
    Append(theirs, nearest.Point(1).Value());
    theirs.push_back(std::sqrt(nearest.SquareDistance(1)));
    theirs.push_back(scale * occtLine.Direction().X());
    theirs.push_back(scale * occtLine.Direction().Y());
    const Row point = PointRow(p), line = LineRow(l), unused = Unused();
    for (const InputTexts& texts : {TextsOf(point, line, unused), TextsOf(line, point, unused)}) {
      std::vector<Shape> ours;
      for (const Candidate& c : FindCandidates(texts)) {
        if (c.construction != Construction::kFootOfPerpendicular) continue;
        Shape shape;
        Append(shape, c.point);
        shape.push_back(c.radius.value_or(-1));
        shape.push_back(scale * std::cos(c.direction.value_or(0) * kRadiansPerDegree));
        shape.push_back(scale * std::sin(c.direction.value_or(0) * kRadiansPerDegree));
        ours.push_back(shape);
      }
      ExpectSameSets(ours, {theirs}, scale, texts);
    }
  }
}

}  // namespace
}  // namespace draftcalc::candidates
