// Calculations 2.3 and 3.1-3.6: circles touching or passing through the given elements.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

#include "core/calc_state.h"
#include "core/messages.h"
#include "core/number_parse.h"
#include "engine_fixture.h"

namespace draftcalc {
namespace {

const std::string kTooFarApart(messages::kCirclesTooFarApart);
const std::string kNoIntersection(messages::kNoIntersection);
const std::string kMisses(messages::kLineMissesCircle);
const std::string kLinesDoNotMeet(messages::kLinesDoNotMeet);
const std::string kBothHorizontal(messages::kBothChordsHorizontal);
const std::string kCollinear(messages::kPointsCollinear);
const std::string kCentresCoincide(messages::kCentresCoincide);
const std::string kRadiusDifferenceZero(messages::kRadiusDifferenceZero);
const std::string kNoTangent(messages::kNoTangent);

INSTANTIATE_TEST_SUITE_P(TangentToTwoCircles, Calculation,
                         testing::Values(CalcCase{"OutsideBoth", Circle("0", "0", "10"), Value("-5"),
                                                  Circle("20", "0", "10", "1"), Shows("10", "11.1803", "", "-5")},
                                         CalcCase{"OutsideBothOtherSide", Circle("0", "0", "10"), Value("-5"),
                                                  Circle("20", "0", "10", "-1"), Shows("10", "-11.1803", "", "-5")},
                                         CalcCase{"IntersectionOfCircles", Circle("0", "0", "10"), Value("0.001"),
                                                  Circle("12", "0", "10", "1"), Shows("6", "8")},
                                         CalcCase{"IntersectionOtherSide", Circle("0", "0", "10"), Value("0.001"),
                                                  Circle("12", "0", "10", "-1"), Shows("6", "-8")},
                                         CalcCase{"SnapIncludesHundredth", Circle("0", "0", "10"), Value("-0.01"),
                                                  Circle("12", "0", "10", "1"), Shows("6", "8")},
                                         CalcCase{"JustAboveSnap", Circle("0", "0", "10"), Value("0.0101"),
                                                  Circle("12", "0", "10", "1"), Shows("6", "7.9874", "", "0.0101")},
                                         CalcCase{"SideZeroOnCentreLine", Circle("0", "0", "10"), Value("-5"),
                                                  Circle("20", "0", "10", "0"), Shows("15", "0", "", "-5")},
                                         CalcCase{"TouchingCircles", Circle("0", "0", "4"), Value("0"),
                                                  Circle("10", "0", "6", "1"), Shows("4", "0")},
                                         CalcCase{"TooFarApart", Circle("0", "0", "10"), Value("-5"),
                                                  Circle("40", "0", "10", "1"), Remark(kTooFarApart)},
                                         CalcCase{"OneInsideTheOther", Circle("0", "0", "10"), Value("0"),
                                                  Circle("2", "0", "3", "1"), Remark(kNoIntersection)},
                                         // Circle 2 straight to the left lies at direction 180.
                                         CalcCase{"SecondCircleToTheLeft", Circle("0", "0", "10"), Value("-5"),
                                                  Circle("-20", "0", "10", "1"), Shows("-10", "-11.1803", "", "-5")},
                                         CalcCase{"SecondCircleToTheLeftOtherSide", Circle("0", "0", "10"), Value("-5"),
                                                  Circle("-20", "0", "10", "-1"), Shows("-10", "11.1803", "", "-5")},
                                         // The wanted circle lies beyond centre 1, seen from centre 2 (cosine -1).
                                         CalcCase{"TouchingBeyondTheFirstCentre", Circle("13", "36", "15"), Value("11"),
                                                  Circle("15", "36", "17", "1"), Shows("9", "36", "", "11")},
                                         CalcCase{"TouchingBeyondTheFirstCentreLeftwards", Circle("-30", "25", "21"),
                                                  Value("-12.25"), Circle("-35", "25", "26", "-1"),
                                                  Shows("3.25", "25", "", "-12.25")},
                                         CalcCase{"SameCentre", Circle("5", "5", "10"), Value("-5"),
                                                  Circle("5", "5", "3", "1"), Remark(kCentresCoincide)},
                                         CalcCase{"RadiusEqualsC", Circle("0", "0", "5"), Value("5"),
                                                  Circle("3", "0", "10", "1"), Remark(kRadiusDifferenceZero)}),
                         CaseName);

INSTANTIATE_TEST_SUITE_P(LineAndCircleCases, Calculation,
                         testing::Values(
                             // Line, value row, circle: the centre is where the moved line meets the resized circle.
                             CalcCase{"TouchesLineAndCircleInside", Line("0", "0", "0"), Value("5"),
                                      Circle("20", "0", "10", "1"), Shows("20", "-5")},
                             // Point, value row, circle, point far away: the tangent route.
                             CalcCase{"TangentRoute", Point("0", "0"), Value("-5"), Circle("20", "0", "10", "1"),
                                      Shows("17.5069", "-4.3341", "-30", "-5")},
                             CalcCase{"TangentRouteToTheLeft", Point("0", "0"), Value("-5"),
                                      Circle("-20", "10", "10", "1"), Shows("-16.0034", "13.0045", "126.8699", "-5")},
                             CalcCase{"TangentRoutePointOnCircle", Point("0", "0"), Value("-5"),
                                      Circle("10", "0", "10", "1"), Shows("5", "0", "-90", "-5")},
                             CalcCase{"TangentRouteCentreStraightBelow", Point("0", "20"), Value("-5"),
                                      Circle("0", "0", "10", "1"), Shows("-4.3291", "2.5018", "-120", "-5")},
                             CalcCase{"TangentRoutePointInside", Point("3", "0"), Value("-8"),
                                      Circle("0", "0", "10", "1"), Remark(kNoTangent)},
                             // Point near the circle: the wanted circle passes through the point.
                             CalcCase{"ThroughThePoint", Point("0", "0"), Value("5"), Circle("8", "0", "10", "1"),
                                      Shows("4", "-3", "", "5")},
                             CalcCase{"ThroughThePointOtherSide", Point("0", "0"), Value("5"),
                                      Circle("8", "0", "10", "-1"), Shows("4", "3", "", "5")},
                             CalcCase{"ThroughThePointBeyondIt", Point("-57", "-18"), Value("7"),
                                      Circle("-56", "-18", "15", "-1"), Shows("-64", "-18", "", "7")},
                             CalcCase{"PointAtTheCentre", Point("0", "0"), Value("5"), Circle("0", "0", "10", "1"),
                                      Remark(kCentresCoincide)},
                             CalcCase{"ThroughThePointRadiusZero", Point("0", "0"), Value("0"),
                                      Circle("8", "0", "10", "1"), Remark(kRadiusDifferenceZero)}),
                         CaseName);

// Line, value row with c, circle: the same answer as the line moved by -c
// against the circle grown or shrunk by c, typed as calculation 2.2.
TEST(LineAndCircleCases, HandTheMovedLineAndResizedCircleToTheIntersection) {
  struct Case {
    const char *r, *s, *resized;
  } cases[] = {{"10", "1", "5"}, {"10", "-1", "15"}, {"-10", "1", "-5"}, {"10", "0", "10"}};
  for (const auto& c : cases) {
    CalcState s;
    RunCalculation(s, TextsOf(Line("0", "0", "0", "0"), Value("5"), Circle("20", "0", c.r, c.s)));
    EXPECT_EQ(s.elemD[1], 3);
    EXPECT_EQ(s.elemA[1], 0);
    EXPECT_EQ(s.elemB[1], -5);
    EXPECT_EQ(s.elemD[2], 8);
    EXPECT_EQ(s.elemX[2], 20);
    EXPECT_EQ(s.elemA[2], ParseLeadingNumber(c.resized)) << "r " << c.r << " s " << c.s;
    EXPECT_EQ(s.elemB[2], ParseLeadingNumber(c.s));
    EXPECT_EQ(s.elemD[3], 99);
    EXPECT_EQ(s.twoElem, 1);
    EXPECT_EQ(s.captions, Calc(Line("0", "0", "0", "-5"), Circle("20", "0", c.resized, c.s))) << "r " << c.r;
  }
}

double Number(const std::string& caption) { return ParseLeadingNumber(caption); }

// The moved tangent line touches the resized circle by construction when
// sgn(r) * sgn(s) * sgn(c) = -1; whatever the rounding, the answer is a
// circle of radius |c| touching the tangent line and the given circle.
TEST(LineAndCircleCases, TangentRouteAlwaysFindsTheTouchingCircle) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> coordinate(-50, 50), radius(1, 20), size(1, 10);
  int checked = 0;
  while (checked < 400) {
    const int px = coordinate(random), py = coordinate(random), cx = coordinate(random), cy = coordinate(random);
    const int r = radius(random), c = -size(random);
    if (std::hypot(cx - px, cy - py) <= std::abs(c + r) + 1 || std::hypot(cx - px, cy - py) < r + 0.5) continue;
    const auto result = Calc(Point(std::to_string(px), std::to_string(py)), Value(std::to_string(c)),
                             Circle(std::to_string(cx), std::to_string(cy), std::to_string(r), "1"));
    ASSERT_EQ(result.ansRem, "") << "point (" << px << ", " << py << ") c " << c << " circle (" << cx << ", " << cy
                                 << ") r " << r;
    const double angle = Number(result.ansA) * std::numbers::pi / 180;
    const double qx = Number(result.ansX), qy = Number(result.ansY);
    const double fromLine = std::abs((qx - px) * std::sin(angle) - (qy - py) * std::cos(angle));
    const double tolerance = 2e-3 + 2e-6 * std::hypot(qx - px, qy - py);
    EXPECT_NEAR(fromLine, -c, tolerance) << "point (" << px << ", " << py << ") circle (" << cx << ", " << cy << ")";
    EXPECT_NEAR(std::hypot(qx - cx, qy - cy), std::abs(r + c), tolerance);
    ++checked;
  }
}

TEST(LineAndCircleCases, OtherSignCombinationsStillReportAGenuineMiss) {
  EXPECT_EQ(Calc(Point("-2", "-8"), Value("-6"), Circle("-18", "-17", "-14", "1")),
            Shows("-2", "-8", "259.0542", "-6", kMisses));
  EXPECT_EQ(Calc(Point("-26", "-7"), Value("9"), Circle("-44", "39", "20", "1")).ansRem, kMisses);
}

INSTANTIATE_TEST_SUITE_P(
    ThroughThreePoints, Calculation,
    testing::Values(
        CalcCase{"SecondChordHorizontal", Point("0", "0"), Point("2", "2"), Point("4", "0"), Shows("2", "0", "", "2")},
        CalcCase{"General", Point("0", "0"), Point("1", "3"), Point("4", "2"), Shows("2", "1", "", "2.2361")},
        CalcCase{"FirstChordHorizontal", Point("0", "0"), Point("10", "0"), Point("0", "20"),
                 Shows("5", "10", "", "11.1803")},
        CalcCase{"BothChordsHorizontal", Point("0", "0"), Point("10", "0"), Point("20", "0"), Remark(kBothHorizontal)},
        CalcCase{"BothChordsHorizontalLeft", Point("0", "0"), Point("10", "0"), Point("-20", "0"),
                 Remark(kBothHorizontal)},
        CalcCase{"Collinear", Point("0", "0"), Point("1", "1"), Point("2", "2"), Remark(kCollinear)},
        // Collinear points whose short-pi bisector slopes differ.
        CalcCase{"CollinearShallow", Point("0", "0"), Point("10", "1"), Point("-10", "-1"), Remark(kCollinear)},
        CalcCase{"CollinearVertical", Point("3", "0"), Point("3", "5"), Point("3", "-7"), Remark(kCollinear)},
        CalcCase{"ThreeEqualPoints", Point("1", "1"), Point("1", "1"), Point("1", "1"), Remark(kCollinear)},
        // Two coincident points: the first bisector is the horizontal through
        // them, and the circle passes through both distinct points.
        CalcCase{"TwoCoincidentPoints", Point("0", "0"), Point("0", "0"), Point("4", "2"),
                 Shows("2.5", "0", "", "2.5")}),
    CaseName);

TEST(ThroughThreePoints, AHorizontalFirstChordBeforeDoesNotCarryOver) {
  CalcState s;
  RunCalculation(s, TextsOf(Point("0", "0"), Point("10", "0"), Point("0", "20")));
  ASSERT_EQ(s.captions, Shows("5", "10", "", "11.1803"));
  RunCalculation(s, TextsOf(Line("0", "0", "90"), Line("0", "0", "0"), Unused()));
  RunCalculation(s, TextsOf(Point("0", "0"), Point("1", "3"), Point("4", "2")));
  EXPECT_EQ(s.captions, Shows("2", "1", "", "2.2361"));
}

INSTANTIATE_TEST_SUITE_P(
    TangentToThreeLines, Calculation,
    testing::Values(CalcCase{"Inscribed", Line("0", "0", "0"), Line("10", "0", "135"), Line("0", "0", "225"),
                             Shows("5", "2.0711", "", "2.0711")},
                    CalcCase{"OutsideByThirdDirection", Line("0", "0", "0"), Line("10", "0", "135"),
                             Line("0", "0", "45"), Shows("-2.0711", "5", "", "5")},
                    CalcCase{"OutsideByFirstDirection", Line("0", "0", "180"), Line("10", "0", "135"),
                             Line("0", "0", "225"), Shows("5", "-12.0711", "", "12.0711")},
                    CalcCase{"FirstBisectorVertical", Line("0", "0", "45"), Line("10", "0", "315"),
                             Line("0", "0", "180"), Shows("5", "2.0711", "", "2.0711")},
                    CalcCase{"BothBisectorsVertical", Line("0", "0", "45"), Line("10", "0", "315"),
                             Line("20", "0", "45"), Remark(kNoIntersection)},
                    // Line 3 vertical: the radius is the centre's horizontal distance from it.
                    CalcCase{"ThirdLineVertical", Line("0", "0", "0"), Line("10", "0", "135"), Line("0", "0", "90"),
                             Shows("-7.0711", "7.0711", "", "7.0711")},
                    CalcCase{"ThirdLineTwoSeventy", Line("0", "0", "0"), Line("10", "0", "135"), Line("0", "0", "270"),
                             Shows("2.9289", "2.9289", "", "2.9289")},
                    CalcCase{"FirstPairParallel", Line("0", "0", "0"), Line("0", "5", "0"), Line("0", "0", "45"),
                             Remark(kLinesDoNotMeet)},
                    CalcCase{"SecondPairParallel", Line("0", "0", "45"), Line("0", "5", "0"), Line("3", "0", "180"),
                             Remark(kLinesDoNotMeet)},
                    CalcCase{"ParallelBisectors", Line("0", "0", "0"), Line("0", "0", "60"), Line("0", "5", "0"),
                             Remark(kNoIntersection)},
                    CalcCase{"BisectorsAHalfTurnApart", Line("0", "0", "0"), Line("0", "0", "60"),
                             Line("0", "5", "360"), Remark(kNoIntersection)}),
    CaseName);

// The corners are found without being shown; nothing of that keeps the
// next calculation from showing its answer point.
void ExpectTheNextAnswerPointShown(CalcState& s) {
  RunCalculation(s, TextsOf(Line("7", "0", "90"), Line("0", "3", "0"), Unused()));
  EXPECT_EQ(s.captions, Shows("7", "3"));
}

TEST(TangentToThreeLines, AVerticalBisectorBeforeDoesNotCarryOver) {
  CalcState s;
  RunCalculation(s, TextsOf(Line("0", "0", "45"), Line("10", "0", "315"), Line("0", "0", "180")));
  ASSERT_EQ(s.captions, Shows("5", "2.0711", "", "2.0711"));
  RunCalculation(s, TextsOf(Line("0", "0", "0"), Line("10", "0", "135"), Line("0", "0", "225")));
  EXPECT_EQ(s.captions, Shows("5", "2.0711", "", "2.0711"));
  ExpectTheNextAnswerPointShown(s);
}

TEST(TangentToThreeLines, AFailedCornerShowsNoIntermediatePoint) {
  CalcState s;
  RunCalculation(s, TextsOf(Line("0", "0", "0"), Line("10", "0", "135"), Line("0", "0", "225")));
  RunCalculation(s, TextsOf(Line("0", "0", "45"), Line("0", "5", "0"), Line("3", "0", "180")));
  EXPECT_EQ(s.captions, Remark(kLinesDoNotMeet));
  ExpectTheNextAnswerPointShown(s);
}

}  // namespace
}  // namespace draftcalc
