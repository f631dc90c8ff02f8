// Reading the rows, choosing the calculation, and the result fields.
#include <gtest/gtest.h>

#include "core/messages.h"
#include "core/result_fields.h"
#include "engine/calculation.h"
#include "engine/outcome_captions.h"
#include "engine_fixture.h"
#include "examples/catalogue_examples.h"

namespace draftcalc {
namespace {

const std::string kWrongOrder(messages::kWrongOrder);

TEST(InputReading, StartUpTextsCalculateTheAngleOfTwoPointsAtTheOrigin) {
  EXPECT_EQ(Calculate(StartupTexts()), Shows("0", "0", "90"));
  EXPECT_EQ(Calc(Row{}, Row{}), Shows("0", "0", "90"));
}

TEST(InputReading, StoresTheSwappedCodesAndOnlyTheColumnsTheCodeReads) {
  CalcState s;
  Row line1{.x = "1", .y = "2", .d = "1", .a = "30", .b = "7", .c = "9", .r = "4", .s = "1"};
  Row circle{.x = "3", .y = "4", .d = "0", .a = "30", .b = "7", .c = "9", .r = "5", .s = "-1"};
  Row value{.x = "5", .y = "6", .d = "5", .a = "30", .b = "7", .c = "9", .r = "5", .s = "-1"};
  RunCalculation(s, TextsOf(line1, circle, value));
  EXPECT_EQ(s.elemNo, 1);  // the dispatcher starts at the first element again
  EXPECT_EQ(s.twoElem, 0);
  // Row 1: a code-1 line keeps D and A; its B text is ignored.
  EXPECT_EQ(s.elemD[1], 1);
  EXPECT_EQ(s.elemX[1], 1);
  EXPECT_EQ(s.elemY[1], 2);
  // Row 2: typed 0, stored as the circle code 8, radius from R, S in elemB.
  EXPECT_EQ(s.elemD[2], 8);
  EXPECT_EQ(s.elemX[2], 3);
  EXPECT_EQ(s.elemY[2], 4);
  // Row 3: a value row carries C in elemB.
  EXPECT_EQ(s.elemD[3], 5);
  EXPECT_EQ(s.elemX[3], 5);
  EXPECT_EQ(s.elemY[3], 6);
}

TEST(InputReading, ReadsLineCodesTwoAndThree) {
  CalcState s;
  RunCalculation(s, TextsOf(Row{.d = "3", .a = "45", .b = "2"}, Row{.d = "2", .a = "10", .b = "9"}, Unused()));
  EXPECT_EQ(s.elemD[1], 3);
  EXPECT_EQ(s.elemA[1], 45);
  EXPECT_EQ(s.elemB[1], 2);
  EXPECT_EQ(s.elemD[2], 2);
  EXPECT_EQ(s.elemA[2], 10);
  EXPECT_EQ(s.elemB[2], 0);
}

TEST(InputReading, AUnknownCodeLeavesTheRowAPoint) {
  // " 0", "0.0" and "7" are no codes: the "circle" rows read as points, so
  // two points give their angle instead of a tangent.
  for (const char* code : {" 0", "0.0", "7", "", "O"}) {
    Row notACircle{.x = "0", .y = "0", .d = code, .r = "5", .s = "1"};
    EXPECT_EQ(Calc(notACircle, Point("3", "4")), Shows("0", "0", "53.1301")) << "code \"" << code << "\"";
  }
  for (const char* code : {" 8", "8.0"}) {
    Row notAPoint{.x = "0", .y = "0", .d = code};
    EXPECT_EQ(Calc(notAPoint, Point("3", "4")), Shows("0", "0", "53.1301")) << "code \"" << code << "\"";
  }
}

TEST(InputReading, ReadsTheLeadingNumberOfEachBox) {
  EXPECT_EQ(Calc(Point("3,5", "0"), Point("4", "1")), Shows("3", "0", "45"));
  EXPECT_EQ(Calc(Point("1 2", "7abc"), Point("15", "10")), Shows("12", "7", "45"));
  EXPECT_EQ(Calc(Point("&H10", "0"), Point("", "x")), Shows("16", "0", "0"));
}

TEST(InputReading, CircleWithEmptyRadiusIsAPointCircle) {
  // Radius 0 against radius 0: alpha 0, the tangent runs along the centres.
  EXPECT_EQ(Calc(Circle("0", "0", ""), Circle("3", "4", "")), Shows("0", "0", "53.1301"));
}

TEST(InputReading, LineOfCodeOneIgnoresItsOffset) {
  Row first{.x = "0", .y = "0", .d = "1", .a = "0", .b = "5"};
  Row second{.x = "4", .y = "0", .d = "2", .a = "90", .b = "5"};
  EXPECT_EQ(Calc(first, second), Shows("4", "0"));
}

// Row 3's code decides between two and three elements: three exactly when
// its text is a number from 0 up to (not including) 10.
struct ElementCountCase {
  std::string code;
  bool threeElements;
};

class ElementCount : public testing::TestWithParam<ElementCountCase> {};

TEST_P(ElementCount, FollowsTheRowThreeCode) {
  Row third{.x = "4", .y = "2", .d = GetParam().code};
  const ResultCaptions threePoints = Shows("2", "1", "", "2.2361");
  const ResultCaptions twoPointAngle = Shows("0", "0", "71.5651");
  EXPECT_EQ(Calc(Point("0", "0"), Point("1", "3"), third), GetParam().threeElements ? threePoints : twoPointAngle)
      << "row-3 code \"" << GetParam().code << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Codes, ElementCount,
    testing::Values(ElementCountCase{"8", true}, ElementCountCase{"5", true}, ElementCountCase{"0", true},
                    ElementCountCase{"9.99", true}, ElementCountCase{" 3 ", true}, ElementCountCase{"1e0", true},
                    ElementCountCase{"-0", true}, ElementCountCase{"99", false}, ElementCountCase{"10", false},
                    ElementCountCase{"-1", false}, ElementCountCase{"", false}, ElementCountCase{"5a", false},
                    ElementCountCase{"x", false}, ElementCountCase{"1 2", false}, ElementCountCase{"&H5", false}));

TEST(Dispatch, RefusesPairsInTheWrongOrder) {
  const Row line1{.d = "1", .a = "0"}, line2{.d = "2", .a = "90"}, line3 = Line("0", "0", "45");
  const Row circle = Circle("5", "0", "2"), point = Point("1", "1");
  const std::pair<Row, Row> refused[] = {
      {line2, line1}, {line2, line2}, {line1, line1},       {circle, Row{.d = "1", .a = "45"}},
      {point, line3}, {line3, point}, {Value("5"), circle}, {circle, Value("5")}};
  for (size_t i = 0; i < std::size(refused); ++i) {
    EXPECT_EQ(Calc(refused[i].first, refused[i].second), Remark(kWrongOrder)) << "pair " << i;
  }
  // A code-3 line may be followed by a code-2 line.
  EXPECT_EQ(Calc(Line("0", "0", "0"), Row{.x = "5", .d = "2", .a = "90"}), Shows("5", "0"));
}

TEST(Dispatch, EmptyCodesMakeTwoPoints) {
  EXPECT_EQ(Calc(Row{.x = "0", .y = "0"}, Row{.x = "-3", .y = "4"}), Shows("0", "0", "126.8699"));
}

TEST(Dispatch, ThreeElementsAlwaysReachASolver) {
  // Line, value row, line: no value-row case applies, so the three-line
  // construction reads the value row as the line y = 2 (angle 0, offset C).
  EXPECT_EQ(Calc(Line("0", "0", "45"), Value("2"), Line("10", "0", "135")), Shows("0.7574", "5", "", "3"));
  // Point first, then two lines: the circle through the three reference points.
  EXPECT_EQ(Calc(Point("0", "0"), Line("1", "3", "45"), Line("4", "2", "0")), Shows("2", "1", "", "2.2361"));
}

TEST(ResultFields, AnswerPointRoundsToFourPlaces) {
  // A vertical line at x and a horizontal line at y meet at (x, y).
  const auto crossing = [](const char* x, const char* y) { return Calc(Line(x, "0", "90"), Line("0", y, "0")); };
  EXPECT_EQ(crossing("1.23456", "5"), Shows("1.2346", "5"));
  EXPECT_EQ(crossing("0.00004", "1234567.8"), Shows("0", "1234567.8"));
  EXPECT_EQ(crossing("-0.00004", "2e15"), Shows("0", "2E+15"));
}

TEST(ResultFields, AnOutcomeWithoutAnAnswerPointLeavesTheCaptionsAlone) {
  CalcState s;
  s.captions.ansX = "kept";
  ShowOutcome(Outcome{}, s.captions);
  EXPECT_EQ(s.captions.ansX, "kept");
  EXPECT_EQ(s.captions.ansY, "");
}

TEST(ResultFields, ClearResultsEmptiesCaptionsAndRowsButNotSpareSlots) {
  CalcState s;
  // Calculation 2.2 with the circle first exchanges rows through slot 3;
  // the three-point circle leaves rows filled.
  RunCalculation(s, TextsOf(Circle("7", "8", "5", "1"), Line("1", "2", "45"), Unused()));
  s.elemX[4] = 42;
  ClearResults(s);
  EXPECT_EQ(s.captions, ResultCaptions{});
  for (int i = 1; i <= 3; ++i) {
    EXPECT_EQ(s.elemX[i], 0);
    EXPECT_EQ(s.elemY[i], 0);
    EXPECT_EQ(s.elemD[i], 0);
    EXPECT_EQ(s.elemA[i], 0);
    EXPECT_EQ(s.elemB[i], 0);
  }
  EXPECT_EQ(s.elemX[4], 42);
  EXPECT_EQ(s.elemNo, 1);
  EXPECT_EQ(s.twoElem, 1);
}

}  // namespace
}  // namespace draftcalc

namespace draftcalc {
namespace {

// The calculation recorded as run is the catalogue entry whose example was
// typed, including the two pairs that share their rows.
TEST(Dispatch, RecordsWhichCatalogueCalculationRan) {
  for (size_t i = 0; i < examples::kCatalogue.size(); ++i) {
    CalcState s;
    RunCalculation(s, examples::kCatalogue[i].Texts());
    EXPECT_EQ(static_cast<size_t>(s.ran), i + 1) << examples::kCatalogue[i].name;
  }
}

TEST(Dispatch, RecordsTheRouteTheSharedRowsTook) {
  struct Case {
    Row r1, r2, r3;
    CalculationId ran;
  };
  const Case cases[] = {
      // Two circles: an intersection up to |C| = 0.01, a touching circle beyond.
      {Circle("0", "0", "10", "1"), Value("-0.01"), Circle("12", "0", "10", "1"), CalculationId::kTwoCircles},
      {Circle("0", "0", "10", "1"), Value("0.0101"), Circle("12", "0", "10", "1"),
       CalculationId::kCircleTouchingTwoCircles},
      // Point, value, circle: through the point while it is near enough.
      {Point("0", "0"), Value("5"), Circle("15", "0", "10", "1"), CalculationId::kCircleThroughPointTouchingCircle},
      {Point("0", "0"), Value("5"), Circle("15.1", "0", "10", "1"), CalculationId::kCircleTouchingCircleAndTangent},
      // Circle then point is the point's tangent too; a bad order runs nothing.
      {Circle("10", "0", "5", "1"), Point("0", "0"), Unused(), CalculationId::kTangentPointCircle},
      {Circle("10", "0", "5", "1"), Line("0", "0", "30"), Unused(), CalculationId::kLineAndCircle},
      {Value("5"), Point("0", "0"), Unused(), CalculationId::kNone},
  };
  for (const Case& c : cases) {
    CalcState s;
    RunCalculation(s, TextsOf(c.r1, c.r2, c.r3));
    EXPECT_EQ(s.ran, c.ran) << CatalogueNumber(c.ran);
  }
}

TEST(Dispatch, ANewCalculationForgetsWhichRanBefore) {
  CalcState s;
  RunCalculation(s, examples::kCatalogue[11].Texts());
  RunCalculation(s, TextsOf(Value("5"), Point("0", "0"), Unused()));
  EXPECT_EQ(s.ran, CalculationId::kNone);
}

}  // namespace
}  // namespace draftcalc
