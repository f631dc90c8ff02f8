// The candidates of generated inputs for every catalogue calculation:
// - every candidate touches or passes through what its construction says,
//   within 1e-9 of the scale, checked from the typed numbers;
// - every reachable candidate's edits, applied to the boxes, make it the
//   answer the calculation shows;
// - the answer the calculation shows for the texts as typed is one of the
//   candidates, except where it is no geometric answer by design (an S of 0
//   between two answers, the angle of two points straight left or below).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <variant>
#include <vector>

#include "candidates/answer_match.h"
#include "candidates/candidate.h"
#include "candidates/candidate_text.h"
#include "engine_fixture.h"
#include "geometry/degrees.h"
#include "geometry/solution_set.h"
#include "touching.h"

namespace draftcalc::candidates {
namespace {

using GPoint = geometry::Point;
using GLine = geometry::Line;
using GCircle = geometry::Circle;
using namespace testing_touch;

// A bounded run in the suite; DRAFTCALC_PROPERTY_CASES and
// DRAFTCALC_PROPERTY_SEED let a longer search run by hand.
int Cases() {
  const char* cases = std::getenv("DRAFTCALC_PROPERTY_CASES");
  return cases ? std::atoi(cases) : 400;
}
unsigned Seed() {
  const char* seed = std::getenv("DRAFTCALC_PROPERTY_SEED");
  return seed ? static_cast<unsigned>(std::strtoul(seed, nullptr, 10)) : 20261208u;
}

class Typing {
 public:
  explicit Typing(unsigned seed) : random_(seed) {}
  // Whole numbers and two-place decimals, as typed on the shop floor.
  double Pick(double low, double high) {
    const double v = std::uniform_real_distribution<double>(low, high)(random_);
    return Chance(2) ? std::round(v) : std::round(v * 100) / 100;
  }
  GPoint AnyPoint() { return {Pick(-80, 80), Pick(-80, 80)}; }
  double Signed(double low, double high) { return Pick(low, high) * (Chance(2) ? 1 : -1); }
  double Angle() {
    static constexpr double kCommon[] = {0, 30, 45, 90, 135, 180, 270, -90, -180, 360};
    return Chance(4) ? kCommon[std::uniform_int_distribution<size_t>(0, std::size(kCommon) - 1)(random_)]
                     : Pick(-180, 180);
  }
  // The S box: mostly a sign, now and then 0 or empty.
  std::string Side() {
    static const std::string kSides[] = {"1", "-1", "1", "-1", "2", "0", ""};
    return kSides[std::uniform_int_distribution<size_t>(0, std::size(kSides) - 1)(random_)];
  }
  bool Chance(int oneIn) { return std::uniform_int_distribution<int>(1, oneIn)(random_) == 1; }

 private:
  std::mt19937 random_;
};

std::string Text(double v) { return ShortestNumberText(v); }

// A generated input: its rows, the check every candidate must pass, and
// whether the shown answer is by design no geometric answer. Nearly
// parallel lines and nearly collinear points leave the calculation's own
// answer too far off to tell which candidate it is; such inputs are not
// `conditioned` and only the candidates themselves are checked.
// `touched`: the elements each candidate's touching points lie on, in
// order; `tangentFrom`: the point whose tangent a circle of the
// circle-and-tangent route touches first.
using Touched = std::variant<GLine, GCircle>;
struct Generated {
  Row r1, r2, r3 = Unused();
  std::function<bool(const Candidate&, double scale)> touches;
  bool shownIsNoAnswer = false;
  double scale = 0;
  bool conditioned = true;
  std::vector<Touched> touched = {};
  std::optional<GPoint> tangentFrom = {};
};

// The lines cross at angles of sine at least 0.01.
bool FarFromParallel(std::initializer_list<GLine> lines) {
  for (const GLine& a : lines) {
    for (const GLine& b : lines) {
      const double sine = std::fabs(std::sin(Radians(a.direction - b.direction)));
      if (&a != &b && sine < 0.01) return false;
    }
  }
  return true;
}

Row PointRow(GPoint p) { return Point(Text(p.x), Text(p.y)); }
Row LineRow(const GLine& l) { return Line(Text(l.point.x), Text(l.point.y), Text(l.direction), Text(l.offset)); }
Row CircleRow(const GCircle& c, const std::string& side) {
  return Circle(Text(c.centre.x), Text(c.centre.y), Text(c.radius), side);
}
bool NoSide(const std::string& side) { return side == "0" || side.empty(); }
GCircle AsCircle(const Candidate& c) { return {c.point, *c.radius}; }

Generated AngleOfTwoPoints(Typing& t) {
  const GPoint p1 = t.AnyPoint();
  GPoint p2 = t.AnyPoint();
  if (t.Chance(6)) p2.x = p1.x;
  if (t.Chance(6)) p2.y = p1.y;
  const bool ownConvention = (p2.y == p1.y && p2.x < p1.x) || (p2.x == p1.x && p2.y < p1.y);
  return {PointRow(p1),
          PointRow(p2),
          Unused(),
          [=](const Candidate& c, double scale) {
            const double towards = std::atan2(p2.y - p1.y, p2.x - p1.x);
            return c.point == p1 && LineTouches(p1, *c.direction, {p2, 0}, scale) &&
                   std::cos(Radians(*c.direction) - towards) > 0;
          },
          ownConvention,
          geometry::ScaleOf(p1, p2)};
}

Generated Tangents(Typing& t, bool pointFirst) {
  const GCircle first{t.AnyPoint(), pointFirst ? 0 : t.Signed(1, 30)};
  const GCircle second{t.AnyPoint(), t.Signed(1, 30)};
  const bool swap = pointFirst && t.Chance(3);  // the circle typed first
  const GCircle a = swap ? second : first, b = swap ? first : second;
  const auto row = [&](const GCircle& c) { return c.radius == 0 ? PointRow(c.centre) : CircleRow(c, t.Side()); };
  Generated g{row(a),
              row(b),
              Unused(),
              [=](const Candidate& c, double scale) {
                return OnCircle(c.point, a, scale) && OnCircle(*c.secondTouch, b, scale) &&
                       LineTouches(c.point, *c.direction, a, scale) && LineTouches(c.point, *c.direction, b, scale);
              },
              false,
              geometry::ScaleOf(a, b)};
  for (const GCircle& c : {a, b}) {
    if (c.radius != 0) g.touched.push_back(c);
  }
  return g;
}

Generated TwoLines(Typing& t) {
  const GLine l1{t.AnyPoint(), t.Angle(), t.Chance(2) ? 0 : t.Pick(-10, 10)};
  const GLine l2{t.AnyPoint(), t.Angle(), t.Chance(2) ? 0 : t.Pick(-10, 10)};
  return {LineRow(l1),
          LineRow(l2),
          Unused(),
          [=](const Candidate& c, double scale) { return OnLine(c.point, l1, scale) && OnLine(c.point, l2, scale); },
          false,
          geometry::ScaleOf(l1, l2),
          FarFromParallel({l1, l2})};
}

// A centre within `reach` of a point in either direction.
GPoint Around(Typing& t, GPoint p, double reach) { return {p.x + t.Pick(-reach, reach), p.y + t.Pick(-reach, reach)}; }

Generated LineAndCircle(Typing& t) {
  const GLine l{t.AnyPoint(), t.Angle(), t.Chance(2) ? 0 : t.Pick(-10, 10)};
  const double r = t.Signed(5, 80);
  const GCircle c{Around(t, l.point, std::fabs(r) + 10), r};
  const std::string side = t.Side();
  const bool circleFirst = t.Chance(3);
  return {circleFirst ? CircleRow(c, side) : LineRow(l),
          circleFirst ? LineRow(l) : CircleRow(c, side),
          Unused(),
          [=](const Candidate& k, double scale) { return OnLine(k.point, l, scale) && OnCircle(k.point, c, scale); },
          NoSide(side),
          geometry::ScaleOf(l, c)};
}

Generated TwoCircles(Typing& t) {
  const GCircle c1{t.AnyPoint(), t.Signed(5, 50)};
  const double r2 = t.Signed(5, 50);
  const GCircle c2{Around(t, c1.centre, std::fabs(c1.radius) + std::fabs(r2)), r2};
  const std::string side = t.Side();
  return {
      CircleRow(c1, "1"),
      Value(t.Chance(2) ? "0.001" : "-0.01"),
      CircleRow(c2, side),
      [=](const Candidate& k, double scale) { return OnCircle(k.point, c1, scale) && OnCircle(k.point, c2, scale); },
      NoSide(side),
      geometry::ScaleOf(c1, c2)};
}

// Through the point when it lies within reach of the circle, touching a
// tangent from it otherwise; the answers of both routes are candidates.
Generated PointValueCircle(Typing& t) {
  const GCircle circle{t.AnyPoint(), t.Signed(2, 30)};
  const double c = t.Signed(1, 15);
  const double distance = t.Chance(2) ? t.Pick(0.5, std::fabs(circle.radius) + 2 * std::fabs(c))
                                      : t.Pick(std::fabs(circle.radius) + 0.5, std::fabs(circle.radius) + 120);
  const double angle = Radians(t.Pick(-180, 180));
  const GPoint p{std::round((circle.centre.x + distance * std::cos(angle)) * 100) / 100,
                 std::round((circle.centre.y + distance * std::sin(angle)) * 100) / 100};
  const std::string side = t.Side();
  Generated g{PointRow(p),
              Value(Text(c)),
              CircleRow(circle, side),
              [=](const Candidate& k, double scale) {
                const GCircle answer = AsCircle(k);
                if (!Near(answer.radius, std::fabs(c), scale) || !TouchesCircle(answer, circle, scale)) return false;
                if (k.calculation == CalculationId::kCircleThroughPointTouchingCircle)
                  return PassesThrough(answer, p, scale);
                return LineTouches(p, *k.direction, circle, scale) && TouchesLine(answer, {p, *k.direction, 0}, scale);
              },
              NoSide(side),
              geometry::ScaleOf(p, circle, c)};
  g.touched = {circle};
  g.tangentFrom = p;
  return g;
}

Generated LineValueCircle(Typing& t) {
  const GLine l{t.AnyPoint(), t.Angle(), t.Chance(2) ? 0 : t.Pick(-10, 10)};
  const double r = t.Signed(2, 30), c = t.Signed(1, 15);
  const GCircle circle{Around(t, l.point, std::fabs(r) + 2 * std::fabs(c) + 10), r};
  const std::string side = t.Side();
  Generated g{LineRow(l),
              Value(Text(c)),
              CircleRow(circle, side),
              [=](const Candidate& k, double scale) {
                const GCircle answer = AsCircle(k);
                return Near(answer.radius, std::fabs(c), scale) && TouchesLine(answer, l, scale) &&
                       TouchesCircle(answer, circle, scale);
              },
              NoSide(side),
              geometry::ScaleOf(l, circle, c)};
  g.touched = {l, circle};
  return g;
}

Generated CircleValueCircle(Typing& t) {
  const GCircle c1{t.AnyPoint(), t.Signed(2, 30)};
  const double c = t.Signed(1, 20);
  const double r2 = t.Signed(2, 30);
  GCircle c2{Around(t, c1.centre, std::fabs(c1.radius) + std::fabs(r2) + 2 * std::fabs(c)), r2};
  if (t.Chance(6)) c2.centre.y = c1.centre.y;
  const std::string side = t.Side();
  Generated g{CircleRow(c1, t.Side()),
              Value(Text(c)),
              CircleRow(c2, side),
              [=](const Candidate& k, double scale) {
                const GCircle answer = AsCircle(k);
                return Near(answer.radius, std::fabs(c), scale) && TouchesCircle(answer, c1, scale) &&
                       TouchesCircle(answer, c2, scale);
              },
              NoSide(side),
              geometry::ScaleOf(c1, c2, c)};
  g.touched = {c1, c2};
  return g;
}

Generated ThreePoints(Typing& t) {
  const GPoint p1 = t.AnyPoint(), p2 = t.AnyPoint(), p3 = t.AnyPoint();
  // Not a thin triangle: twice its area at least 1 % of its longest side squared.
  const double longest = std::max({Between(p1, p2), Between(p2, p3), Between(p1, p3)});
  const bool conditioned = std::fabs(geometry::Cross(p2 - p1, p3 - p1)) >= 0.01 * longest * longest;
  return {PointRow(p1),
          PointRow(p2),
          PointRow(p3),
          [=](const Candidate& k, double scale) {
            const GCircle answer = AsCircle(k);
            return PassesThrough(answer, p1, scale) && PassesThrough(answer, p2, scale) &&
                   PassesThrough(answer, p3, scale);
          },
          false,
          geometry::ScaleOf(p1, p2, p3),
          conditioned};
}

Generated ThreeLines(Typing& t) {
  const GLine l1{t.AnyPoint(), t.Angle(), 0}, l2{t.AnyPoint(), t.Angle(), 0};
  const GLine l3{t.AnyPoint(), t.Angle(), t.Chance(3) ? t.Pick(-10, 10) : 0};
  Generated g{LineRow(l1),
              LineRow(l2),
              LineRow(l3),
              [=](const Candidate& k, double scale) {
                const GCircle answer = AsCircle(k);
                return TouchesLine(answer, l1, scale) && TouchesLine(answer, l2, scale) &&
                       TouchesLine(answer, l3, scale);
              },
              false,
              geometry::ScaleOf(l1, l2, l3),
              FarFromParallel({l1, l2, l3})};
  g.touched = {l1, l2, l3};
  return g;
}

// The unit vector of a direction in degrees.
geometry::Vector Along(double degrees) { return {std::cos(Radians(degrees)), std::sin(Radians(degrees))}; }

// Each touching point lies on the candidate and on its element, and the
// radius to it is normal to the other curve: an answer circle's radius to
// the element, or the element's radius to a tangent line.
bool TouchesAreRight(const Candidate& k, const Generated& g, double scale) {
  std::vector<Touched> touched = g.touched;
  if (k.calculation == CalculationId::kCircleTouchingCircleAndTangent)
    touched.insert(touched.begin(), GLine{*g.tangentFrom, *k.direction, 0});
  if (k.calculation == CalculationId::kCircleThroughThreePoints || k.touches.size() != touched.size()) {
    return k.touches.empty() && (touched.empty() || k.calculation == CalculationId::kCircleThroughThreePoints);
  }
  for (size_t i = 0; i < touched.size(); ++i) {
    const GPoint t = k.touches[i];
    const GLine* line = std::get_if<GLine>(&touched[i]);
    const GCircle* circle = std::get_if<GCircle>(&touched[i]);
    if (line ? !OnLine(t, *line, scale) : !OnCircle(t, *circle, scale)) return false;
    if (k.radius) {
      const GCircle answer = AsCircle(k);
      if (!OnCircle(t, answer, scale)) return false;
      const geometry::Vector radius = t - answer.centre;
      const double normalMiss =
          line ? std::fabs(geometry::Dot(radius, Along(line->direction))) / std::fabs(answer.radius)
               : std::fabs(geometry::Cross(radius, circle->centre - answer.centre)) / std::fabs(answer.radius);
      if (!Near(normalMiss, 0, scale)) return false;
    } else {
      const GLine tangent{k.point, *k.direction, 0};
      if (!OnLine(t, tangent, scale) || !Near(geometry::Dot(t - circle->centre, Along(k.direction.value())), 0, scale))
        return false;
    }
  }
  return true;
}

// A tangent line is given in the one of its two directions nearer the
// answer's caption A: the answer reads as the caption, to its rounding, and
// every other tangent lies within a quarter turn of it.
void ExpectTangentsTurnedTowardsTheAnswer(const std::vector<Candidate>& found, const ResultCaptions& captions) {
  const auto answer = std::find_if(found.begin(), found.end(), [](const Candidate& c) { return c.isAnswer; });
  if (answer == found.end() || (answer->calculation != CalculationId::kTangentPointCircle &&
                                answer->calculation != CalculationId::kTangentTwoCircles))
    return;
  const auto shown = ShownAnswerOf(captions);
  ASSERT_TRUE(shown && shown->direction);
  EXPECT_LE(geometry::AngleBetween(*answer->direction, *shown->direction, false), 1e-3);
  for (const Candidate& c : found) {
    EXPECT_GT(*c.direction, -180);
    EXPECT_LE(*c.direction, 180);
    EXPECT_LE(geometry::AngleBetween(*c.direction, *shown->direction, false), 90 + 1e-3) << "candidate " << c.number;
  }
}

InputTexts Edited(const InputTexts& typed, const std::vector<BoxEdit>& edits) {
  InputTexts texts = typed;
  for (const BoxEdit& edit : edits) texts(edit.row, edit.column) = edit.text;
  return texts;
}

std::string Describe(const Generated& g) {
  std::string out;
  for (const Row* r : {&g.r1, &g.r2, &g.r3}) {
    out += "[" + r->x + ", " + r->y + ", " + r->d + ", " + r->a + ", " + r->b + ", " + r->c + ", " + r->r + ", " +
           r->s + "] ";
  }
  return out;
}

struct PropertyCase {
  std::string name;
  std::function<Generated(Typing&)> make;
};
void PrintTo(const PropertyCase& c, std::ostream* os) { *os << c.name; }

class CandidateProperty : public testing::TestWithParam<PropertyCase> {};

TEST_P(CandidateProperty, CandidatesTouchTheirEditsGiveThemAndTheShownAnswerIsOne) {
  Typing typing(Seed());
  int candidates = 0, reachable = 0, shown = 0;
  for (int i = 0; i < Cases(); ++i) {
    const Generated g = GetParam().make(typing);
    const InputTexts texts = TextsOf(g.r1, g.r2, g.r3);
    const std::vector<Candidate> found = FindCandidates(texts);
    SCOPED_TRACE(Describe(g));
    int answers = 0;
    for (const Candidate& c : found) {
      const double scale = std::max({g.scale, geometry::Magnitude(c.point), c.radius.value_or(0)});
      EXPECT_TRUE(g.touches(c, scale)) << "candidate " << c.number;
      EXPECT_TRUE(TouchesAreRight(c, g, scale)) << "touching points of candidate " << c.number;
      answers += c.isAnswer ? 1 : 0;
      ++candidates;
      if (!c.reachable) continue;
      ++reachable;
      if (c.isAnswer) continue;
      const std::vector<Candidate> edited = FindCandidates(Edited(texts, c.edits));
      ASSERT_EQ(edited.size(), found.size()) << EditsAsBoxWords(c);
      const Candidate& again = edited[static_cast<size_t>(c.number - 1)];
      EXPECT_TRUE(again.isAnswer && geometry::SamePoint(again.point, c.point, scale))
          << "candidate " << c.number << " after " << EditsAsBoxWords(c);
    }
    EXPECT_LE(answers, 1);
    ExpectTangentsTurnedTowardsTheAnswer(found, Calculate(texts));
    const bool showsAnAnswer = ShownAnswerOf(Calculate(texts)).has_value();
    if (showsAnAnswer && !g.shownIsNoAnswer && g.conditioned && !found.empty()) {
      ++shown;
      EXPECT_EQ(answers, 1) << "the shown answer is no candidate";
    }
  }
  RecordProperty("candidates", candidates);
  RecordProperty("reachable", reachable);
  RecordProperty("shown", shown);
  // The generators are meant to reach answers most of the time.
  EXPECT_GT(shown, Cases() / 8);
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, CandidateProperty,
    testing::Values(PropertyCase{"AngleOfTwoPoints", AngleOfTwoPoints},
                    PropertyCase{"TangentPointCircle", [](Typing& t) { return Tangents(t, true); }},
                    PropertyCase{"TangentTwoCircles", [](Typing& t) { return Tangents(t, false); }},
                    PropertyCase{"TwoLines", TwoLines}, PropertyCase{"LineAndCircle", LineAndCircle},
                    PropertyCase{"TwoCircles", TwoCircles}, PropertyCase{"PointValueCircle", PointValueCircle},
                    PropertyCase{"LineValueCircle", LineValueCircle},
                    PropertyCase{"CircleValueCircle", CircleValueCircle}, PropertyCase{"ThreePoints", ThreePoints},
                    PropertyCase{"ThreeLines", ThreeLines}),
    [](const testing::TestParamInfo<PropertyCase>& info) { return info.param.name; });

}  // namespace
}  // namespace draftcalc::candidates
