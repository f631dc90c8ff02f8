// The sign rules of the help window and the README, each checked on the
// calculation against plain geometry worked out here: which side of a line
// a centre lies on, whether circles touch inside or outside, which of two
// intersections is shown.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string>
#include <utility>

#include "engine_fixture.h"

namespace draftcalc {
namespace {

struct Xy {
  double x, y;
};

double Num(const std::string& caption) { return std::stod(caption); }
Xy Centre(const ResultCaptions& c) { return {Num(c.ansX), Num(c.ansY)}; }
std::string Text(double value) { return std::to_string(value); }

double Radians(double degrees) { return degrees * std::numbers::pi / 180; }
double Distance(Xy a, Xy b) { return std::hypot(a.x - b.x, a.y - b.y); }
double DirectionOf(Xy from, Xy to) { return std::atan2(to.y - from.y, to.x - from.x) * 180 / std::numbers::pi; }

// Distance of q from the line through p at `angle` degrees: positive on the
// left, looking along the angle.
double SignedDistance(Xy p, double angle, Xy q) {
  return std::cos(Radians(angle)) * (q.y - p.y) - std::sin(Radians(angle)) * (q.x - p.x);
}

// The two intersections of the line through p at `angle`, moved by `offset`
// to its left, with a circle; false when they miss. A touching line gives
// the touching point twice.
bool Intersections(Xy p, double angle, double offset, Xy centre, double radius, Xy& a, Xy& b) {
  const double ux = std::cos(Radians(angle)), uy = std::sin(Radians(angle));
  const Xy q{p.x - offset * uy, p.y + offset * ux};
  const double along = (centre.x - q.x) * ux + (centre.y - q.y) * uy;
  const Xy foot{q.x + along * ux, q.y + along * uy};
  // A line that touches the circle may miss it by the calculator's rounding.
  const double h2 = radius * radius - std::pow(Distance(foot, centre), 2);
  if (h2 < -1e-2) return false;
  const double h = std::sqrt(std::max(h2, 0.0));
  a = {foot.x - h * ux, foot.y - h * uy};
  b = {foot.x + h * ux, foot.y + h * uy};
  return true;
}

// The rule of 2.2: S = 1 the larger X (level line: the smaller X; upright
// line: the larger Y), S = -1 the other, reversed when the line's X lies
// right of the centre; S = 0 midway.
Xy ChosenIntersection(Xy a, Xy b, double angle, double s, double lineX, double centreX) {
  const double sign = (s > 0 ? 1 : s < 0 ? -1 : 0) * (lineX > centreX ? -1 : 1);
  if (sign == 0) return {(a.x + b.x) / 2, (a.y + b.y) / 2};
  const bool level = angle == 0 || angle == 180;
  const bool upright = angle == 90 || angle == -90;
  const bool aFirst = upright ? a.y > b.y : level ? a.x < b.x : a.x > b.x;
  return (aFirst == (sign > 0)) ? a : b;
}

void ExpectNear(Xy got, Xy want, double tolerance, const std::string& what) {
  EXPECT_NEAR(got.x, want.x, tolerance) << what;
  EXPECT_NEAR(got.y, want.y, tolerance) << what;
}

TEST(SignRules, TangentFromAPointHasTheCircleOnTheSideOfR) {
  for (Xy c : {Xy{10, 0}, Xy{-10, 0}, Xy{-10, 1}, Xy{3, -7}, Xy{0, 10}, Xy{0, -10}}) {
    for (double r : {5.0, -5.0}) {
      const auto shown = Calc(Point("0", "0"), Circle(Text(c.x), Text(c.y), Text(r), "1"));
      EXPECT_NEAR(SignedDistance({0, 0}, Num(shown.ansA), c), r, 1e-3) << c.x << "," << c.y << " R " << r;
    }
  }
}

TEST(SignRules, TangentOfTwoCirclesHasEachOnTheSideOfItsR) {
  for (Xy c2 : {Xy{30, 0}, Xy{-30, 0}, Xy{-30, 4}, Xy{5, 25}}) {
    for (double r1 : {10.0, -10.0}) {
      for (double r2 : {5.0, -5.0}) {
        const auto shown = Calc(Circle("0", "0", Text(r1), "1"), Circle(Text(c2.x), Text(c2.y), Text(r2), "1"));
        const double a = Num(shown.ansA);
        const Xy touch{r1 * std::sin(Radians(a)), -r1 * std::cos(Radians(a))};
        const std::string what = std::to_string(c2.x) + " R " + Text(r1) + " " + Text(r2);
        EXPECT_NEAR(SignedDistance(touch, a, {0, 0}), r1, 1e-3) << what;
        EXPECT_NEAR(SignedDistance(touch, a, c2), r2, 1e-3) << what;
      }
    }
  }
}

TEST(SignRules, LineAndCircleIntersectionIsChosenByS) {
  struct LineCase {
    Xy p;
    double angle, b;
  };
  const Xy centre{5, 5};
  for (const LineCase& line :
       {LineCase{{0, 0}, 30, 1}, LineCase{{20, 0}, 30, 0}, LineCase{{0, 5}, 0, 0}, LineCase{{20, 5}, 180, 0},
        LineCase{{5, 0}, 90, 0}, LineCase{{8, 0}, -90, -2}, LineCase{{20, 3}, -60, 0}, LineCase{{0, 20}, -30, -2}}) {
    for (const char* s : {"1", "-1", ""}) {
      const auto shown = Calc(Line(Text(line.p.x), Text(line.p.y), Text(line.angle), Text(line.b)),
                              Circle(Text(centre.x), Text(centre.y), "12", s));
      Xy a{}, b{};
      ASSERT_TRUE(Intersections(line.p, line.angle, line.b, centre, 12, a, b));
      const double sValue = *s ? std::stod(s) : 0;
      ExpectNear(Centre(shown), ChosenIntersection(a, b, line.angle, sValue, line.p.x, centre.x), 1e-3,
                 "angle " + Text(line.angle) + " S " + s);
    }
  }
}

TEST(SignRules, TwoCirclesIntersectOnTheSideOfRTimesS) {
  for (Xy c3 : {Xy{12, 0}, Xy{-12, 0}, Xy{3, 11}, Xy{-5, -9}}) {
    for (double r1 : {10.0, -10.0}) {
      for (double s3 : {1.0, -1.0}) {
        const auto shown =
            Calc(Circle("0", "0", Text(r1), "1"), Value("0.001"), Circle(Text(c3.x), Text(c3.y), "10", Text(s3)));
        const Xy p = Centre(shown);
        EXPECT_NEAR(Distance(p, {0, 0}), 10, 1e-3);
        EXPECT_NEAR(Distance(p, c3), 10, 1e-3);
        EXPECT_GT(SignedDistance({0, 0}, DirectionOf({0, 0}, c3), p) * r1 * s3, 0) << c3.x << " " << r1 << " " << s3;
      }
    }
  }
}

// One sign of R and C: touching inside (centres |R| - |C| apart); opposite
// signs: outside (|R| + |C|).
double TouchingDistance(double r, double c, bool inside) {
  return inside ? std::fabs(std::fabs(r) - std::fabs(c)) : std::fabs(r) + std::fabs(c);
}

TEST(SignRules, CircleTouchingTwoCirclesFollowsTheSignsOfRCAndS) {
  for (Xy c3 : {Xy{20, 0}, Xy{3, 19}, Xy{-12, -14}}) {
    for (double r1 : {10.0, -10.0}) {
      for (double r3 : {10.0, -10.0}) {
        for (double c : {-5.0, 5.0, 15.0}) {
          for (double s3 : {1.0, -1.0}) {
            const auto shown = Calc(Circle("0", "0", Text(r1), "1"), Value(Text(c)),
                                    Circle(Text(c3.x), Text(c3.y), Text(r3), Text(s3)));
            if (!shown.ansRem.empty()) continue;
            const Xy p = Centre(shown);
            const std::string what =
                Text(c3.x) + " R " + Text(r1) + " " + Text(r3) + " C " + Text(c) + " S " + Text(s3);
            EXPECT_NEAR(Distance(p, {0, 0}), TouchingDistance(r1, c, r1 * c > 0), 1e-3) << what;
            EXPECT_NEAR(Distance(p, c3), TouchingDistance(r3, c, r3 * c > 0), 1e-3) << what;
            const double side = SignedDistance({0, 0}, DirectionOf({0, 0}, c3), p);
            if (std::fabs(side) > 1e-6) {
              EXPECT_GT(side * (r1 - c) * s3, 0) << what;
            }
          }
        }
      }
    }
  }
}

TEST(SignRules, CircleThroughAPointTouchesAsRAndCSayOnTheSideOfCAndS) {
  struct Case {
    Xy centre;
    double r, c;
    bool inside;
  };
  for (const Case& k : {Case{{3, 0}, 10, 5, true}, Case{{3, 0}, -10, -5, true}, Case{{12, 0}, -10, 5, false}}) {
    for (double s : {1.0, -1.0}) {
      const auto shown =
          Calc(Point("0", "0"), Value(Text(k.c)), Circle(Text(k.centre.x), Text(k.centre.y), Text(k.r), Text(s)));
      const std::string what = "R " + Text(k.r) + " C " + Text(k.c) + " S " + Text(s);
      ASSERT_TRUE(shown.ansRem.empty()) << what;
      ASSERT_TRUE(shown.ansA.empty()) << what << ": the through-the-point route";
      const Xy p = Centre(shown);
      EXPECT_NEAR(Distance(p, {0, 0}), std::fabs(k.c), 1e-3) << what;
      EXPECT_NEAR(Distance(p, k.centre), TouchingDistance(k.r, k.c, k.inside), 1e-3) << what;
      // S = 1 puts the centre right of the line towards the circle's centre when C > 0.
      EXPECT_LT(SignedDistance({0, 0}, 0, p) * s * (k.c > 0 ? 1 : -1), 0) << what;
    }
  }
}

TEST(SignRules, CircleTouchingACircleAndTheTangentFromAPoint) {
  const Xy centre{20, 0};
  int checked = 0;
  for (Xy from : {Xy{0, 0}, Xy{30, 0}, Xy{5, -12}, Xy{-3, 4}}) {
    for (double r : {10.0, -10.0}) {
      for (double c : {5.0, -5.0, 3.0, -3.0}) {
        for (double s : {1.0, -1.0}) {
          const auto shown = Calc(Point(Text(from.x), Text(from.y)), Value(Text(c)),
                                  Circle(Text(centre.x), Text(centre.y), Text(r), Text(s)));
          if (!shown.ansRem.empty() || shown.ansA.empty()) continue;  // no answer, or the route of 3.1
          ++checked;
          const std::string what =
              Text(from.x) + "," + Text(from.y) + " R " + Text(r) + " C " + Text(c) + " S " + Text(s);
          const double a = Num(shown.ansA);
          EXPECT_NEAR(SignedDistance(from, a, centre), r, 1e-3) << what;          // the tangent's side
          EXPECT_NEAR(SignedDistance(from, a, Centre(shown)), -c, 1e-3) << what;  // C > 0: right of it
          EXPECT_NEAR(Distance(Centre(shown), centre), TouchingDistance(r, c, s > 0), 2e-2) << what;
          Xy p1{}, p2{};
          ASSERT_TRUE(Intersections(from, a, -c, centre, TouchingDistance(r, c, s > 0), p1, p2)) << what;
          if (Distance(p1, p2) > 0.1) {
            ExpectNear(Centre(shown), ChosenIntersection(p1, p2, a, s, from.x, centre.x), 2e-2, what);
          }
        }
      }
    }
  }
  EXPECT_GT(checked, 20);
}

TEST(SignRules, CircleTouchingALineAndACircle) {
  struct LineCase {
    Xy p;
    double angle, b;
  };
  const Xy centre{20, 0};
  for (const LineCase& line : {LineCase{{0, 0}, 0, 0}, LineCase{{0, 0}, 30, 2}, LineCase{{40, 0}, 30, 0},
                               LineCase{{18, 0}, 90, 0}, LineCase{{0, -4}, 150, 0}}) {
    for (double r : {10.0, -10.0}) {
      for (double c : {4.0, -4.0}) {
        for (double s : {1.0, -1.0}) {
          const auto shown = Calc(Line(Text(line.p.x), Text(line.p.y), Text(line.angle), Text(line.b)), Value(Text(c)),
                                  Circle(Text(centre.x), Text(centre.y), Text(r), Text(s)));
          if (!shown.ansRem.empty()) continue;
          const std::string what = "angle " + Text(line.angle) + " R " + Text(r) + " C " + Text(c) + " S " + Text(s);
          const Xy p = Centre(shown);
          EXPECT_NEAR(SignedDistance(line.p, line.angle, p), line.b - c, 1e-3) << what;
          EXPECT_NEAR(Distance(p, centre), TouchingDistance(r, c, s > 0), 2e-2) << what;
          Xy p1{}, p2{};
          ASSERT_TRUE(Intersections(line.p, line.angle, line.b - c, centre, TouchingDistance(r, c, s > 0), p1, p2));
          ExpectNear(p, ChosenIntersection(p1, p2, line.angle, s, line.p.x, centre.x), 2e-2, what);
        }
      }
    }
  }
}

TEST(SignRules, CircleTouchingThreeLinesLiesOnTheSameSideOfEach) {
  using Lines = std::array<std::pair<Xy, double>, 3>;
  for (const Lines& lines :
       {Lines{{{{0, 0}, 0}, {{10, 0}, 135}, {{0, 0}, 225}}}, Lines{{{{0, 0}, 0}, {{10, 0}, 135}, {{0, 0}, 45}}},
        Lines{{{{0, 0}, 180}, {{10, 0}, 135}, {{0, 0}, 225}}}, Lines{{{{0, 0}, 0}, {{10, 0}, -45}, {{0, 0}, 45}}},
        Lines{{{{1, 2}, 10}, {{10, 0}, 100}, {{-3, 7}, 250}}}}) {
    const auto row = [](const std::pair<Xy, double>& line) {
      return Line(Text(line.first.x), Text(line.first.y), Text(line.second));
    };
    const auto shown = Calc(row(lines[0]), row(lines[1]), row(lines[2]));
    ASSERT_TRUE(shown.ansRem.empty());
    const Xy p = Centre(shown);
    const double first = SignedDistance(lines[0].first, lines[0].second, p);
    EXPECT_NEAR(std::fabs(first), Num(shown.ansR), 1e-3);
    for (const auto& [at, angle] : lines) EXPECT_NEAR(SignedDistance(at, angle, p), first, 1e-3) << angle;
  }
}

}  // namespace
}  // namespace draftcalc
