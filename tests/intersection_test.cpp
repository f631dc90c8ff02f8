// Calculations 2.1 (two lines) and 2.2 (line and circle).
#include <gtest/gtest.h>

#include "core/calc_state.h"
#include "core/messages.h"
#include "engine_fixture.h"
#include "solvers/solver_math.h"

namespace draftcalc {
namespace {

const std::string kLinesDoNotMeet(messages::kLinesDoNotMeet);
const std::string kMisses(messages::kLineMissesCircle);

INSTANTIATE_TEST_SUITE_P(
    TwoLines, Calculation,
    testing::Values(
        CalcCase{"HorizontalAndVertical", Line("0", "0", "0"), Line("5", "0", "90"), {}, Shows("5", "0")},
        CalcCase{"CrossingDiagonals", Line("0", "0", "45"), Line("10", "0", "135"), {}, Shows("5", "5")},
        CalcCase{"FirstVerticalWithOffsets", Line("0", "0", "90", "3"), Line("0", "0", "0", "2"), {}, Shows("-3", "2")},
        CalcCase{"SecondVerticalDown", Line("0", "0", "0", "2"), Line("0", "0", "-90", "1"), {}, Shows("1", "2")},
        CalcCase{"GeneralWithOffset", Line("1", "2", "30"), Line("4", "-1", "120", "1"), {}, Shows("1.0849", "2.049")},
        CalcCase{"HalfTurnApartAreParallel", Line("0", "0", "30"), Line("0", "5", "210"), {}, Remark(kLinesDoNotMeet)},
        CalcCase{"BothVertical", Line("0", "0", "90"), Line("5", "0", "-90"), {}, Remark(kLinesDoNotMeet)},
        CalcCase{"EqualRoundedSlopes", Line("0", "0", "10"), Line("0", "5", "10.0000001"), {}, Remark(kLinesDoNotMeet)},
        // Directions a half turn apart whose short-pi slopes differ.
        CalcCase{"EightyAndTwoSixty", Line("0", "0", "80"), Line("10", "0", "260"), {}, Remark(kLinesDoNotMeet)},
        CalcCase{"FullTurnsApart", Line("0", "0", "25"), Line("0", "3", "745"), {}, Remark(kLinesDoNotMeet)},
        // 2^60 degrees apart is 136 degrees past a whole number of half turns;
        // 180 * 2^53 degrees is a whole number of them.
        CalcCase{
            "FarApartNotByHalfTurns", Line("0", "0", "0"), Line("5", "0", "1152921504606846976"), {}, Shows("5", "0")},
        CalcCase{"FarApartByHalfTurns",
                 Line("0", "0", "0"),
                 Line("0", "5", "1621295865853378560"),
                 {},
                 Remark(kLinesDoNotMeet)},
        // Angles whose cosine rounds to 0 are vertical lines, moved by the sign of their sine.
        CalcCase{"TwoSeventyIsVertical", Line("0", "0", "270", "2"), Line("0", "0", "0"), {}, Shows("2", "0")},
        CalcCase{"SecondTwoSeventy", Line("0", "1", "0"), Line("4", "0", "270", "1"), {}, Shows("5", "1")},
        CalcCase{"NearlyNinety", Line("0", "0", "45"), Line("3", "0", "89.99999", "1"), {}, Shows("2", "2")},
        CalcCase{"NinetyAndTwoSeventy", Line("0", "0", "90"), Line("5", "0", "270"), {}, Remark(kLinesDoNotMeet)}),
    CaseName);

struct DirectionPair {
  double angle1, angle2;
  bool parallel;
};

TEST(TwoLines, DirectionsAreParallelByTheExactRemainderOfHalfTurns) {
  const double twoToThe60 = 0x1p60, halfTurnsNear2To60 = 180 * 0x1p53;
  const DirectionPair pairs[] = {
      {30, 210, true},
      {25, 745, true},
      {90, -90, true},
      {0, 1e-10, true},
      {0, 1e-8, false},
      {10, 100, false},
      {0, twoToThe60, false},
      {twoToThe60, 0, false},
      {0, halfTurnsNear2To60, true},
      {-halfTurnsNear2To60, 0, true},
      {0x1p1000, 0, false},
  };
  for (const DirectionPair& p : pairs) {
    EXPECT_EQ(AnglesParallel(p.angle1, p.angle2), p.parallel) << p.angle1 << " and " << p.angle2;
  }
}

TEST(TwoLines, NothingOfAVerticalFirstLineCarriesOver) {
  CalcState s;
  RunCalculation(s, TextsOf(Line("7", "0", "90"), Line("0", "3", "0"), Unused()));
  ASSERT_EQ(s.captions, Shows("7", "3"));
  RunCalculation(s, TextsOf(Line("0", "0", "0"), Line("0", "0", "45"), Unused()));
  EXPECT_EQ(s.captions, Shows("0", "0"));
}

INSTANTIATE_TEST_SUITE_P(
    LineAndCircle, Calculation,
    testing::Values(
        CalcCase{"HorizontalSidePlus", Line("0", "0", "0"), Circle("0", "0", "5", "1"), {}, Shows("-5", "0")},
        CalcCase{"HorizontalSideMinus", Line("0", "0", "0"), Circle("0", "0", "5", "-1"), {}, Shows("5", "0")},
        CalcCase{"AlmostHorizontal", Line("0", "0", "0.00001"), Circle("0", "0", "5", "1"), {}, Shows("5", "0")},
        CalcCase{"FullTurnIsNotHorizontal", Line("0", "0", "360"), Circle("0", "0", "5", "1"), {}, Shows("5", "0")},
        CalcCase{
            "MinusHalfTurnIsNotHorizontal", Line("0", "0", "-180"), Circle("0", "0", "5", "1"), {}, Shows("5", "0")},
        CalcCase{"Misses", Line("0", "0", "45"), Circle("10", "0", "5"), {}, Remark(kMisses)},
        CalcCase{"DiagonalSidePlus", Line("0", "0", "45"), Circle("10", "0", "8", "1"), {}, Shows("7.6458", "7.6458")},
        CalcCase{
            "DiagonalSideMinus", Line("0", "0", "45"), Circle("10", "0", "8", "-1"), {}, Shows("2.3542", "2.3542")},
        CalcCase{"DiagonalChordMidpoint", Line("0", "0", "45"), Circle("10", "0", "8", "0"), {}, Shows("5", "5")},
        CalcCase{"LineRightOfCentreFlipsSide",
                 Line("20", "0", "45"),
                 Circle("10", "0", "8", "1"),
                 {},
                 Shows("12.3542", "-7.6458")},
        CalcCase{"VerticalFlipped", Line("3", "0", "90"), Circle("0", "0", "5", "1"), {}, Shows("3", "-4")},
        CalcCase{"VerticalFlippedMinus", Line("3", "0", "90"), Circle("0", "0", "5", "-1"), {}, Shows("3", "4")},
        CalcCase{
            "VerticalWithOffset", Line("0", "0", "90", "2"), Circle("0", "0", "5", "1"), {}, Shows("-2", "4.5826")},
        CalcCase{"HorizontalMisses", Line("0", "10", "0"), Circle("0", "0", "5"), {}, Remark(kMisses)},
        CalcCase{"HorizontalMidpoint", Line("0", "3", "0"), Circle("0", "0", "5", "0"), {}, Shows("0", "3")},
        CalcCase{
            "GeneralWithOffset", Line("0", "0", "30", "1"), Circle("5", "5", "4", "1"), {}, Shows("8.8037", "6.2375")},
        CalcCase{"VerticalMisses", Line("9", "0", "-90"), Circle("0", "0", "5", "1"), {}, Remark(kMisses)},
        // Angles that are vertical only because CosDeg rounds to 0.
        CalcCase{"TwoSeventy", Line("3", "0", "270"), Circle("0", "0", "5", "1"), {}, Shows("3", "-4")},
        CalcCase{
            "TwoSeventyWithOffset", Line("0", "0", "270", "2"), Circle("0", "0", "5", "-1"), {}, Shows("2", "-4.5826")},
        CalcCase{
            "RoundsToNinety", Line("0", "0", "89.999999", "2"), Circle("0", "0", "5", "1"), {}, Shows("-2", "4.5826")},
        CalcCase{"CosineRoundsToZero",
                 Line("0", "0", "89.99998", "2"),
                 Circle("0", "0", "5", "1"),
                 {},
                 Shows("-2", "4.5826")}),
    CaseName);

TEST(LineAndCircle, CircleFirstGivesTheSameAnswerAsLineFirst) {
  EXPECT_EQ(Calc(Circle("0", "0", "5", "1"), Line("0", "0", "45")), Shows("3.5355", "3.5355"));
  EXPECT_EQ(Calc(Line("0", "0", "45"), Circle("0", "0", "5", "1")), Shows("3.5355", "3.5355"));
}

TEST(LineAndCircle, CircleFirstExchangesTheRowsThroughTheSpareSlot) {
  CalcState s;
  RunCalculation(s, TextsOf(Circle("7", "8", "5", "-1"), Line("1", "2", "45", "0.5"), Unused()));
  EXPECT_EQ(s.elemD[1], 3);
  EXPECT_EQ(s.elemX[1], 1);
  EXPECT_EQ(s.elemB[1], 0.5);
  EXPECT_EQ(s.elemD[2], 8);
  EXPECT_EQ(s.elemX[2], 7);
  EXPECT_EQ(s.elemA[2], 5);
  EXPECT_EQ(s.elemB[2], -1);
  EXPECT_EQ(s.elemD[3], 8);  // the slot keeps the copy of the circle
}

}  // namespace
}  // namespace draftcalc
