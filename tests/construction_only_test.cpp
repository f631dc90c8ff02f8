// The answers of the constructions no calculation gives, in the degenerate
// cases the reference test keeps away from: parallel lines exactly 2 |C|
// apart, a point on the line or exactly 2 |C| from it, C = 0; checked by
// what a touching circle is (its distance from each line, its touching
// points on the line and on the circle), and listed before the
// calculation's own candidates without edits.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>
#include <ostream>
#include <string>
#include <vector>

#include "candidates/candidate.h"
#include "candidates/candidate_row.h"
#include "candidates/candidate_text.h"
#include "engine_fixture.h"
#include "geometry/solution_set.h"
#include "geometry/touching_points.h"

namespace draftcalc::candidates {
namespace {

constexpr double kClose = 1e-12;

struct FamilyCase {
  const char* name;
  Row r1, r2, r3;
  Construction construction;
  std::vector<geometry::Point> centres;  // in the order listed
  double radius;
};

void PrintTo(const FamilyCase& c, std::ostream* out) { *out << c.name; }

geometry::Line LineOf(const Row& row) {
  return {{std::stod(row.x), std::stod(row.y)}, std::stod(row.a), row.b.empty() ? 0 : std::stod(row.b)};
}

class Family : public testing::TestWithParam<FamilyCase> {};

TEST_P(Family, ListsTheCirclesThatTouchInOrderBeforeTheCalculations) {
  const FamilyCase& c = GetParam();
  const std::vector<Candidate> found = FindCandidates(TextsOf(c.r1, c.r2, c.r3));
  size_t listed = 0;
  while (listed < found.size() && found[listed].construction == c.construction) ++listed;
  ASSERT_EQ(listed, c.centres.size());
  for (size_t i = listed; i < found.size(); ++i) {
    EXPECT_EQ(found[i].construction, Construction::kCalculation) << "the calculation's own come after";
  }
  const std::vector<geometry::Line> lines = [&] {
    std::vector<geometry::Line> out;
    for (const Row* row : {&c.r1, &c.r3}) {
      if (row->d == "3") out.push_back(LineOf(*row));
    }
    return out;
  }();
  for (size_t i = 0; i < listed; ++i) {
    const Candidate& circle = found[i];
    EXPECT_EQ(circle.number, static_cast<int>(i) + 1);
    EXPECT_NEAR(circle.point.x, c.centres[i].x, kClose) << "circle " << i + 1;
    EXPECT_NEAR(circle.point.y, c.centres[i].y, kClose) << "circle " << i + 1;
    EXPECT_EQ(circle.radius, c.radius);
    EXPECT_TRUE(circle.edits.empty() && !circle.isAnswer && !circle.reachable);
    EXPECT_EQ(EditsAsBoxWords(circle), "+");
    EXPECT_EQ(EditsInWords(circle), "construction only");
    // One touching point per line, in row order: on the line, at the radius.
    ASSERT_EQ(circle.touches.size(), lines.size());
    for (size_t l = 0; l < lines.size(); ++l) {
      const geometry::Point touch = circle.touches[l];
      EXPECT_LT(geometry::Distance(touch, geometry::FootOnLine(touch, lines[l])), kClose);
      EXPECT_NEAR(geometry::Distance(touch, circle.point), c.radius, kClose);
    }
  }
}

const Row kXAxis = Line("0", "0", "0");

INSTANTIATE_TEST_SUITE_P(
    Degenerate, Family,
    testing::Values(
        // Counter-clockwise around the crossing point, from +X.
        FamilyCase{"CrossingLines",
                   kXAxis,
                   Value("5"),
                   Line("0", "0", "90"),
                   Construction::kFillet,
                   {{5, 5}, {-5, 5}, {-5, -5}, {5, -5}},
                   5},
        FamilyCase{"CrossingAwayFromTheOrigin",
                   Line("10", "0", "45"),
                   Value("-2"),
                   Line("0", "20", "-45"),
                   Construction::kFillet,
                   {{15 + 2 * std::sqrt(2.0), 5},
                    {15, 5 + 2 * std::sqrt(2.0)},
                    {15 - 2 * std::sqrt(2.0), 5},
                    {15, 5 - 2 * std::sqrt(2.0)}},
                   2},
        // Every circle between them touches both: those opposite each line's
        // point, counter-clockwise around line 1's.
        FamilyCase{"ParallelLinesTwoRadiiApart",
                   kXAxis,
                   Value("5"),
                   Line("7", "10", "180"),
                   Construction::kFillet,
                   {{7, 5}, {0, 5}},
                   5},
        FamilyCase{"ParallelLinesAnOffsetApart",
                   kXAxis,
                   Value("5"),
                   Line("0", "0", "0", "10"),
                   Construction::kFillet,
                   {{0, 5}},
                   5},
        FamilyCase{"ParallelLinesFartherApart", kXAxis, Value("5"), Line("0", "11", "0"), Construction::kFillet, {}, 5},
        FamilyCase{"RadiusZeroIsTheCorner",
                   Line("3", "4", "30"),
                   Value("0"),
                   Line("3", "4", "120"),
                   Construction::kFillet,
                   {{3, 4}},
                   0},
        // Through the point: either side of the line when on it.
        FamilyCase{"PointOnTheLine",
                   Point("4", "0"),
                   Value("5"),
                   kXAxis,
                   Construction::kThroughPointTouchingLine,
                   {{4, 5}, {4, -5}},
                   5},
        FamilyCase{"PointTwoRadiiAway",
                   Point("0", "10"),
                   Value("5"),
                   kXAxis,
                   Construction::kThroughPointTouchingLine,
                   {{0, 5}},
                   5},
        FamilyCase{"PointNearerThanTwoRadii",
                   kXAxis,
                   Value("5"),
                   Point("0", "2"),
                   Construction::kThroughPointTouchingLine,
                   {{4, 5}, {-4, 5}},
                   5},
        FamilyCase{"PointFartherThanTwoRadii",
                   Point("0", "10.5"),
                   Value("5"),
                   kXAxis,
                   Construction::kThroughPointTouchingLine,
                   {},
                   5}));

// The foot, its distance as R and the line's direction as A, whichever row
// holds the point; not with row 3 in use.
TEST(FootOfThePerpendicular, FromThePointInEitherRow) {
  // The texts view the rows: each row a named one.
  const Row point = Point("3", "4"), line = Line("-2", "1", "405", "1"), unused = Unused();  // 45 degrees, moved by 1
  for (const InputTexts& texts : {TextsOf(point, line, unused), TextsOf(line, point, unused)}) {
    const std::vector<Candidate> found = FindCandidates(texts);
    ASSERT_FALSE(found.empty());
    const Candidate& foot = found.front();
    EXPECT_EQ(foot.construction, Construction::kFootOfPerpendicular);
    const geometry::Line l = LineOf(line);
    EXPECT_LT(geometry::Distance(foot.point, geometry::FootOnLine(foot.point, l)), kClose) << "on the line";
    // Perpendicular: the point, the foot and a second point of the line make a right angle.
    const geometry::Vector along = {std::cos(45 * std::numbers::pi / 180), std::sin(45 * std::numbers::pi / 180)};
    EXPECT_NEAR(geometry::Dot(geometry::Point{3, 4} - foot.point, along), 0, kClose);
    EXPECT_NEAR(*foot.radius, geometry::Distance({3, 4}, foot.point), kClose);
    EXPECT_DOUBLE_EQ(*foot.direction, 45);
    EXPECT_EQ(EditsAsBoxWords(foot), "+");
  }
  const Row third = Point("9", "9");  // row 3 in use: the rows ask for another calculation
  for (const Candidate& c : FindCandidates(TextsOf(point, line, third))) {
    EXPECT_NE(c.construction, Construction::kFootOfPerpendicular);
  }
}

// The calculation's captions do not change: line / value / line still runs
// the three lines' calculation and fails; its own candidates follow the
// fillets.
TEST(ConstructionOnly, TheCalculationAndItsCandidatesStayAsTheyWere) {
  const Row r1 = Line("0", "0", "0"), r2 = Value("5"), r3 = Line("0", "0", "90");
  EXPECT_EQ(Calc(r1, r2, r3).ansRem, "交点が求められませんでした。");
  const std::vector<Candidate> found = FindCandidates(TextsOf(r1, r2, r3));
  ASSERT_EQ(found.size(), 6u);
  EXPECT_EQ(found[4].calculation, CalculationId::kCircleTouchingThreeLines);
  EXPECT_EQ(found[4].number, 5);
  EXPECT_EQ(EditsAsBoxWords(found[4]), "-");
}

// Each kind of candidate into a row as the element it is, every digit kept.
TEST(RowTextsOf, EachCandidateAsTheElementItIs) {
  using Texts = std::array<std::string, kColumnCount>;
  const auto first = [](const Row& r1, const Row& r2, const Row& r3) { return FindCandidates(TextsOf(r1, r2, r3)); };
  const Row point = Point("3", "4"), xAxis = Line("0", "0", "0"), unused = Unused();
  // The foot's line is the perpendicular, from the foot towards the point.
  EXPECT_EQ(RowTextsOf(first(point, xAxis, unused).front()), (Texts{"3", "0", "3", "90", "0", "", "", ""}));
  const Row below = Point("3", "-4");
  EXPECT_EQ(RowTextsOf(first(below, xAxis, unused).front()), (Texts{"3", "0", "3", "-90", "0", "", "", ""}));
  const Row value = Value("0.1"), yAxis = Line("0", "0", "90");
  EXPECT_EQ(RowTextsOf(first(xAxis, value, yAxis).front()), (Texts{"0.1", "0.1", "0", "", "", "", "0.1", "1"}));
  const Row corner = Value("0");
  EXPECT_EQ(RowTextsOf(first(xAxis, corner, yAxis).front()), (Texts{"0", "0", "8", "", "", "", "", ""}))
      << "a circle of radius 0 is a point";
  // An intersection is a point; a tangent a line through its touching point.
  const Row circle = Circle("10", "0", "8", "1"), through = Line("0", "0", "45");
  const std::vector<Candidate> crossings = first(through, circle, unused);
  ASSERT_FALSE(crossings.empty());
  EXPECT_EQ(RowTextsOf(crossings.front())[colD], "8");
  const Row from = Point("20", "0"), round = Circle("0", "0", "10");
  const Candidate tangent = first(from, round, unused).front();
  EXPECT_EQ(RowTextsOf(tangent), (Texts{"20", "0", "3", ShortestNumberText(*tangent.direction), "0", "", "", ""}));
}

}  // namespace
}  // namespace draftcalc::candidates
