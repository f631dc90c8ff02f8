// Every answer the calculator shows is checked against the geometry itself,
// over many generated inputs per catalogue calculation: a found intersection
// lies on both elements, a found circle touches or passes through each given
// element at the distance its construction says, a tangent line touches its
// circles. Tolerances allow for the 6-place degree functions and the 4-place
// display.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include "core/number_parse.h"
#include "engine_fixture.h"

namespace draftcalc {
namespace {

// A bounded run in the suite; DRAFTCALC_PROPERTY_CASES and
// DRAFTCALC_PROPERTY_SEED let a longer search run by hand.
int CasesPerCalculation() {
  const char* cases = std::getenv("DRAFTCALC_PROPERTY_CASES");
  return cases ? std::atoi(cases) : 3000;
}
unsigned Seed() {
  const char* seed = std::getenv("DRAFTCALC_PROPERTY_SEED");
  return seed ? static_cast<unsigned>(std::strtoul(seed, nullptr, 10)) : 20261207u;
}

double Num(const std::string& caption) { return ParseLeadingNumber(caption); }
double Radians(double degrees) { return degrees * std::numbers::pi / 180; }

struct Pt {
  double x, y;
};

double Between(Pt a, Pt b) { return std::hypot(a.x - b.x, a.y - b.y); }

// A line through p at angle a (degrees), moved b to the left of its direction.
struct Ln {
  Pt p;
  double a, b;
  double DistanceTo(Pt q) const {
    return std::fabs(-(q.x - p.x) * std::sin(Radians(a)) + (q.y - p.y) * std::cos(Radians(a)) - b);
  }
};

struct Cl {
  Pt c;
  double r;
};

// The slack a line's figures need: the 6-place slope turns the line a
// little about its reference point, and the 6-place cosine divides the
// offset, which near the vertical (cosine ~1e-4) moves an offset line by a
// visible fraction of the offset.
double LineSlack(const Ln& l, Pt q) {
  const double cosine = std::fabs(std::cos(Radians(l.a)));
  const double offsetSlack = l.b == 0 || cosine < 5e-7 ? 0 : std::fabs(l.b) * 5.1e-7 / cosine;
  return 2e-6 * Between(q, l.p) + std::min(offsetSlack, std::fabs(l.b));
}

// Where two lines meet, exactly; far away (or nowhere) for nearly parallel ones.
Pt Corner(const Ln& l1, const Ln& l2) {
  const double c1 = std::cos(Radians(l1.a)), s1 = std::sin(Radians(l1.a));
  const double c2 = std::cos(Radians(l2.a)), s2 = std::sin(Radians(l2.a));
  // Points with -x s + y c = k for each line (k from the offset).
  const double k1 = -l1.p.x * s1 + l1.p.y * c1 + l1.b, k2 = -l2.p.x * s2 + l2.p.y * c2 + l2.b;
  const double det = -s1 * c2 + s2 * c1;
  if (std::fabs(det) < 1e-12) return {1e12, 1e12};
  return {(k1 * c2 - k2 * c1) / det, (-s1 * k2 + s2 * k1) / det};
}

std::string Text(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.10g", v);
  return text;
}

class Generator {
 public:
  explicit Generator(unsigned seed) : random_(seed) {}
  // Whole numbers and two-decimal numbers, as typed on the shop floor.
  double Pick(double low, double high) {
    const double value = std::uniform_real_distribution<double>(low, high)(random_);
    return Chance(2) ? std::round(value) : std::round(value * 100) / 100;
  }
  Pt Point() { return {Pick(-60, 60), Pick(-60, 60)}; }
  double Radius() { return Pick(0.5, 30); }
  double Angle() {
    static constexpr double kCommon[] = {0, 30, 45, 60, 90, 120, 135, 180, 225, 270, -45, -90, 360};
    return Chance(4) ? kCommon[std::uniform_int_distribution<size_t>(0, std::size(kCommon) - 1)(random_)]
                     : Pick(-180, 180);
  }
  double Sign() { return Chance(2) ? 1 : -1; }
  bool Chance(int oneIn) { return std::uniform_int_distribution<int>(1, oneIn)(random_) == 1; }

 private:
  std::mt19937 random_;
};

// What one generated input checks once an answer is shown: each entry is a
// property that must hold, with its description.
struct Property {
  bool holds;
  std::string what;
};

struct GeneratedCase {
  Row r1, r2, r3;
  std::function<std::vector<Property>(const ResultCaptions&)> check;
};

// Distances from the 4-place display and 6-place slopes: a small absolute
// part and a part that grows with the size of the figure.
bool Near(double value, double expected, double scale, double slack = 0) {
  return std::fabs(value - expected) <= 2e-3 + 2e-6 * scale + slack;
}

// The distance of a touching circle's centre from a circle's centre: the
// radii added or subtracted, whichever the construction chose.
bool TouchesCircle(Pt centre, double radius, const Cl& circle, double scale) {
  const double d = Between(centre, circle.c);
  return Near(d, std::fabs(circle.r) + std::fabs(radius), scale) ||
         Near(d, std::fabs(std::fabs(circle.r) - std::fabs(radius)), scale);
}

Pt AnswerPoint(const ResultCaptions& c) { return {Num(c.ansX), Num(c.ansY)}; }

Row PointRow(Pt p) { return Point(Text(p.x), Text(p.y)); }
Row CircleRow(const Cl& c, double side) { return Circle(Text(c.c.x), Text(c.c.y), Text(c.r), Text(side)); }
Row LineRow(const Ln& l) { return Line(Text(l.p.x), Text(l.p.y), Text(l.a), Text(l.b)); }

using Maker = std::function<GeneratedCase(Generator&)>;

GeneratedCase AngleOfTwoPoints(Generator& g) {
  const Pt p1 = g.Point();
  Pt p2 = g.Point();
  if (g.Chance(8)) p2.x = p1.x;  // straight above or below
  if (g.Chance(8)) p2.y = p1.y;  // straight left or right
  return {PointRow(p1), PointRow(p2), Unused(), [=](const ResultCaptions& c) {
            const Ln line{p1, Num(c.ansA), 0};
            std::vector<Property> properties = {
                {Near(line.DistanceTo(p2), 0, Between(p1, p2)), "second point on the line"},
                {Num(c.ansX) == p1.x && Num(c.ansY) == p1.y, "first point shown"}};
            // The angle points from the first point to the second, except where
            // the calculation defines otherwise: a second point straight below
            // (or coincident) gives 90, one straight to the left gives 0.
            const bool definedOtherwise = (p2.x == p1.x && p2.y <= p1.y) || (p2.y == p1.y && p2.x < p1.x);
            if (!definedOtherwise) {
              const double towards = std::atan2(p2.y - p1.y, p2.x - p1.x);
              properties.push_back({std::cos(Radians(line.a) - towards) > 0.999, "angle points to the second point"});
            }
            return properties;
          }};
}

// Both tangent calculations: the line at angle A that touches the first
// circle at the shown (whole-number) point also touches the second circle.
GeneratedCase TangentOfCircles(Generator& g, bool firstIsPoint) {
  const Cl first{g.Point(), firstIsPoint ? 0 : g.Radius() * g.Sign()};
  Cl second{g.Point(), g.Radius() * g.Sign()};
  if (g.Chance(8)) second.c.y = first.c.y;
  if (g.Chance(8)) second.c.x = first.c.x;
  const Row r1 = firstIsPoint ? PointRow(first.c) : CircleRow(first, 1);
  return {
      r1, CircleRow(second, 1), Unused(), [=](const ResultCaptions& c) {
        const double theta = Num(c.ansA);
        const Pt touch{first.c.x + std::sin(Radians(theta)) * first.r, first.c.y - std::cos(Radians(theta)) * first.r};
        const Ln tangent{touch, theta, 0};
        const double scale = Between(first.c, second.c);
        return std::vector<Property>{
            {std::fabs(Num(c.ansX) - touch.x) <= 0.5 + 1e-6 && std::fabs(Num(c.ansY) - touch.y) <= 0.5 + 1e-6,
             "touching point shown to the nearest whole number"},
            {Near(tangent.DistanceTo(second.c), std::fabs(second.r), scale), "line touches the second circle"}};
      }};
}

GeneratedCase TwoLines(Generator& g) {
  const Ln l1{g.Point(), g.Angle(), g.Chance(2) ? 0 : g.Pick(-10, 10)};
  const Ln l2{g.Point(), g.Angle(), g.Chance(2) ? 0 : g.Pick(-10, 10)};
  return {LineRow(l1), LineRow(l2), Unused(), [=](const ResultCaptions& c) {
            const Pt q = AnswerPoint(c);
            const double scale = std::fabs(q.x) + std::fabs(q.y) + 100;
            return std::vector<Property>{{Near(l1.DistanceTo(q), 0, scale, LineSlack(l1, q)), "on line 1"},
                                         {Near(l2.DistanceTo(q), 0, scale, LineSlack(l2, q)), "on line 2"}};
          }};
}

GeneratedCase LineAndCircle(Generator& g) {
  const Ln line{g.Point(), g.Angle(), g.Chance(2) ? 0 : g.Pick(-10, 10)};
  const Cl circle{g.Point(), g.Pick(5, 80)};
  const double side = g.Chance(5) ? 0 : g.Sign();
  return {LineRow(line), CircleRow(circle, side), Unused(), [=](const ResultCaptions& c) {
            const Pt q = AnswerPoint(c);
            std::vector<Property> properties = {
                {Near(line.DistanceTo(q), 0, circle.r + 100, LineSlack(line, q)), "on the line"}};
            // S = 0 chooses the midpoint of the chord, inside the circle.
            if (side != 0)
              properties.push_back({Near(Between(q, circle.c), circle.r, circle.r + 100), "on the circle"});
            return properties;
          }};
}

GeneratedCase TwoCircles(Generator& g) {
  const Cl c1{g.Point(), g.Pick(5, 50)}, c2{g.Point(), g.Pick(5, 50)};
  return {CircleRow(c1, 1), Value("0.001"), CircleRow(c2, g.Sign()), [=](const ResultCaptions& c) {
            const Pt q = AnswerPoint(c);
            return std::vector<Property>{{Near(Between(q, c1.c), c1.r, 100), "on circle 1"},
                                         {Near(Between(q, c2.c), c2.r, 100), "on circle 2"}};
          }};
}

// Point, value row, circle: a circle of radius c through the point or
// touching the tangent line from the point, and touching the circle.
GeneratedCase PointAndCircle(Generator& g, bool nearPoint) {
  const Cl circle{g.Point(), g.Radius() * (g.Chance(4) ? -1 : 1)};
  const double c = g.Pick(1, 15) * (g.Chance(4) ? -1 : 1) * (nearPoint ? 1 : -1);
  const double angle = g.Pick(-180, 180);
  // The point is passed through when it lies within |c + |r|| of the centre.
  const double reach = std::fabs(c + std::fabs(circle.r));
  const double distance = nearPoint ? g.Pick(0.5, std::max(1.0, reach - 0.5)) : g.Pick(reach + 0.5, reach + 120);
  const Pt p{circle.c.x + distance * std::cos(Radians(angle)), circle.c.y + distance * std::sin(Radians(angle))};
  const Pt typed{std::round(p.x * 100) / 100, std::round(p.y * 100) / 100};
  return {
      PointRow(typed), Value(Text(c)), CircleRow(circle, g.Sign()), [=](const ResultCaptions& r) {
        const Pt q = AnswerPoint(r);
        const double scale = Between(typed, circle.c) + 100;
        std::vector<Property> properties;
        if (r.ansA.empty()) {
          properties.push_back({TouchesCircle(q, c, circle, scale), "touches the circle"});
          properties.push_back({Near(Between(q, typed), std::fabs(c), scale), "passes through the point"});
        } else {
          const Ln tangent{typed, Num(r.ansA), 0};
          const double slack = LineSlack({typed, tangent.a, -c}, q);
          properties.push_back(
              {Near(tangent.DistanceTo(circle.c), std::fabs(circle.r), scale), "tangent line touches the circle"});
          properties.push_back({Near(tangent.DistanceTo(q), std::fabs(c), scale, slack), "touches the tangent line"});
          properties.back().holds = properties.back().holds && TouchesCircle(q, c, circle, scale + 1e6 * slack);
        }
        return properties;
      }};
}

GeneratedCase LineValueCircle(Generator& g) {
  const Ln line{g.Point(), g.Angle(), g.Chance(2) ? 0 : g.Pick(-10, 10)};
  const Cl circle{g.Point(), g.Radius() * g.Sign()};
  const double c = g.Pick(1, 15) * g.Sign();
  return {LineRow(line), Value(Text(c)), CircleRow(circle, g.Sign()), [=](const ResultCaptions& r) {
            const Pt q = AnswerPoint(r);
            // The moved line carries the offset b - c.
            const double slack = LineSlack({line.p, line.a, line.b - c}, q);
            return std::vector<Property>{{Near(line.DistanceTo(q), std::fabs(c), 200, slack), "touches the line"},
                                         {TouchesCircle(q, c, circle, 200 + 1e6 * slack), "touches the circle"}};
          }};
}

GeneratedCase CircleValueCircle(Generator& g) {
  const Cl c1{g.Point(), g.Radius() * (g.Chance(4) ? -1 : 1)}, c2{g.Point(), g.Radius() * (g.Chance(4) ? -1 : 1)};
  const double c = g.Pick(1, 20) * g.Sign();
  Cl second = c2;
  if (g.Chance(8)) second.c.y = c1.c.y;
  return {CircleRow(c1, 1), Value(Text(c)), CircleRow(second, g.Sign()), [=](const ResultCaptions& r) {
            const Pt q = AnswerPoint(r);
            return std::vector<Property>{{TouchesCircle(q, c, c1, 100), "touches circle 1"},
                                         {TouchesCircle(q, c, second, 100), "touches circle 2"},
                                         {Num(r.ansR) == c, "radius c shown"}};
          }};
}

GeneratedCase ThreePoints(Generator& g) {
  const Pt p1 = g.Point(), p2 = g.Point();
  Pt p3 = g.Point();
  if (g.Chance(8)) p3.y = p1.y;
  return {PointRow(p1), PointRow(p2), PointRow(p3), [=](const ResultCaptions& r) {
            const Pt q = AnswerPoint(r);
            const double radius = Num(r.ansR);
            const double scale = radius + std::fabs(q.x) + std::fabs(q.y);
            return std::vector<Property>{{Near(Between(q, p1), radius, scale), "through point 1"},
                                         {Near(Between(q, p2), radius, scale), "through point 2"},
                                         {Near(Between(q, p3), radius, scale), "through point 3"}};
          }};
}

GeneratedCase ThreeLines(Generator& g) {
  const Ln l1{g.Point(), g.Angle(), 0}, l2{g.Point(), g.Angle(), 0}, l3{g.Point(), g.Angle(), g.Chance(3) ? 3.0 : 0.0};
  return {LineRow(l1), LineRow(l2), LineRow(l3), [=](const ResultCaptions& r) {
            const Pt q = AnswerPoint(r);
            const double radius = Num(r.ansR);
            // The centre is found from the corners, however far away they lie.
            const double scale = std::fabs(q.x) + std::fabs(q.y) + radius + 100 +
                                 4 * (Between(q, Corner(l1, l2)) + Between(q, Corner(l2, l3)));
            return std::vector<Property>{{Near(l1.DistanceTo(q), radius, scale), "touches line 1"},
                                         {Near(l2.DistanceTo(q), radius, scale), "touches line 2"},
                                         {Near(l3.DistanceTo(q), radius, scale, LineSlack(l3, q)), "touches line 3"}};
          }};
}

struct PropertyCase {
  std::string name;
  Maker make;
};

void PrintTo(const PropertyCase& c, std::ostream* os) { *os << c.name; }

class GeometryProperty : public testing::TestWithParam<PropertyCase> {};

TEST_P(GeometryProperty, EveryShownAnswerFitsTheGeometry) {
  Generator g(Seed());
  int answered = 0;
  const int cases = CasesPerCalculation();
  for (int i = 0; i < cases; ++i) {
    const GeneratedCase generated = GetParam().make(g);
    const ResultCaptions result = Calc(generated.r1, generated.r2, generated.r3);
    // A remark means no answer; the circle-and-tangent construction still
    // shows its tangent angle and point beside it.
    if (result.ansX.empty() || !result.ansRem.empty()) continue;
    ++answered;
    for (const Property& property : generated.check(result)) {
      ASSERT_TRUE(property.holds) << property.what << "\n  rows: [" << generated.r1.x << ", " << generated.r1.y << ", "
                                  << generated.r1.d << ", " << generated.r1.a << ", " << generated.r1.b << ", "
                                  << generated.r1.r << ", " << generated.r1.s << "] [" << generated.r2.x << ", "
                                  << generated.r2.y << ", " << generated.r2.d << ", " << generated.r2.a << ", "
                                  << generated.r2.b << ", " << generated.r2.c << ", " << generated.r2.r << ", "
                                  << generated.r2.s << "] [" << generated.r3.x << ", " << generated.r3.y << ", "
                                  << generated.r3.d << ", " << generated.r3.a << ", " << generated.r3.b << ", "
                                  << generated.r3.r << ", " << generated.r3.s << "]\n  shows: X " << result.ansX
                                  << " Y " << result.ansY << " A " << result.ansA << " R " << result.ansR << " "
                                  << result.ansRem;
    }
  }
  // The generators are meant to reach answers most of the time.
  EXPECT_GT(answered, cases / 6);
  RecordProperty("answered", answered);
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, GeometryProperty,
    testing::Values(PropertyCase{"AngleOfTwoPoints", AngleOfTwoPoints},
                    PropertyCase{"TangentPointCircle", [](Generator& g) { return TangentOfCircles(g, true); }},
                    PropertyCase{"TangentCircleCircle", [](Generator& g) { return TangentOfCircles(g, false); }},
                    PropertyCase{"TwoLines", TwoLines}, PropertyCase{"LineAndCircle", LineAndCircle},
                    PropertyCase{"TwoCirclesIntersection", TwoCircles},
                    PropertyCase{"ThroughPointTouchingCircle", [](Generator& g) { return PointAndCircle(g, true); }},
                    PropertyCase{"TouchingCircleAndTangent", [](Generator& g) { return PointAndCircle(g, false); }},
                    PropertyCase{"TouchingLineAndCircle", LineValueCircle},
                    PropertyCase{"TouchingTwoCircles", CircleValueCircle},
                    PropertyCase{"ThroughThreePoints", ThreePoints}, PropertyCase{"TouchingThreeLines", ThreeLines}),
    [](const testing::TestParamInfo<PropertyCase>& info) { return info.param.name; });

}  // namespace
}  // namespace draftcalc
