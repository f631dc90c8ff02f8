// The candidates of typical and awkward inputs: how many, which one the
// calculation shows, which edits give the others; and the texts the window
// and draftcalc-cli show for them.
#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "candidates/candidate.h"
#include "candidates/candidate_text.h"
#include "core/number_parse.h"
#include "engine_fixture.h"
#include "examples/catalogue_examples.h"

namespace draftcalc::candidates {
namespace {

// A candidate as the tests expect it: its point, and its edits in the
// command-line form ("" for the answer, "-" when unreachable).
struct Expected {
  double x, y;
  std::string edits;
};

struct CandidatesCase {
  std::string name;
  Row r1, r2, r3 = Unused();
  std::vector<Expected> expected;
};
void PrintTo(const CandidatesCase& c, std::ostream* os) { *os << c.name; }

class Candidates : public testing::TestWithParam<CandidatesCase> {};

TEST_P(Candidates, AreFoundInOrderWithTheirEdits) {
  const CandidatesCase& c = GetParam();
  const std::vector<Candidate> found = FindCandidates(TextsOf(c.r1, c.r2, c.r3));
  ASSERT_EQ(found.size(), c.expected.size());
  for (size_t i = 0; i < found.size(); ++i) {
    SCOPED_TRACE(i + 1);
    EXPECT_EQ(found[i].number, static_cast<int>(i) + 1);
    EXPECT_NEAR(found[i].point.x, c.expected[i].x, 1e-9);
    EXPECT_NEAR(found[i].point.y, c.expected[i].y, 1e-9);
    EXPECT_EQ(EditsAsBoxWords(found[i]), c.expected[i].edits);
    EXPECT_EQ(found[i].isAnswer, c.expected[i].edits.empty());
  }
}

const double kHalfRoot3 = std::sqrt(3.0) / 2;

INSTANTIATE_TEST_SUITE_P(
    Inputs, Candidates,
    testing::Values(
        // The answer (20, -5) as typed; (20, 5) with the other sign of C.
        CandidatesCase{"LineAndCircleCatalogue",
                       Line("0", "0", "0", "0"),
                       Value("5"),
                       Circle("20", "0", "10", "1"),
                       {{20 + 10 * std::sqrt(2.0), 5, "c2=-5 s3=-1"},
                        {20, 5, "c2=-5"},
                        {20 - 10 * std::sqrt(2.0), 5, "a1=-180 s3=-1"},
                        {20 - 10 * std::sqrt(2.0), -5, "a1=-180 c2=-5 s3=-1"},
                        {20, -5, ""},
                        {20 + 10 * std::sqrt(2.0), -5, "s3=-1"}}},
        // No sign gives (11.3397, 5): a horizontal line is walked back by -180,
        // which the calculation does not treat as horizontal.
        CandidatesCase{"HorizontalLineReachedByTurningBack",
                       Line("0", "0", "0"),
                       Value("5"),
                       Circle("20", "10", "5", "1"),
                       {{20 + 10 * kHalfRoot3, 5, "c2=-5 s3=-1"}, {20 - 10 * kHalfRoot3, 5, "a1=-180 s3=-1"}}},
        CandidatesCase{"SixAnswersOfALineAndACircle",
                       Line("0", "0", "0"),
                       Value("5"),
                       Circle("20", "3", "10", "1"),
                       {{20 + std::sqrt(221.0), 5, "c2=-5 s3=-1"},
                        {20 + std::sqrt(21.0), 5, "a1=-180"},
                        {20 - std::sqrt(21.0), 5, "c2=-5"},
                        {20 - std::sqrt(221.0), 5, "a1=-180 s3=-1"},
                        {20 - std::sqrt(161.0), -5, "a1=-180 c2=-5 s3=-1"},
                        {20 + std::sqrt(161.0), -5, "s3=-1"}}},
        CandidatesCase{
            "TwoCirclesCatalogue",
            Circle("0", "0", "10", "1"),
            Value("-5"),
            Circle("20", "0", "10", "1"),
            {{5, 0, "r1=-10"}, {15, 0, "r3=-10"}, {10, std::sqrt(125.0), ""}, {10, -std::sqrt(125.0), "s3=-1"}}},
        // An empty S takes the middle of the chord: no candidate is shown, a
        // sign gives each.
        CandidatesCase{
            "ChordMiddleIsNoAnswer",
            Line("0", "0", "45"),
            Circle("10", "0", "8"),
            {},
            {{5 - std::sqrt(7.0), 5 - std::sqrt(7.0), "s2=-1"}, {5 + std::sqrt(7.0), 5 + std::sqrt(7.0), "s2=1"}}},
        CandidatesCase{"IntersectionOfTwoCirclesWithEmptyS",
                       Circle("0", "0", "10", "1"),
                       Value("0.001"),
                       Circle("12", "0", "10"),
                       {{6, 8, "s3=1"}, {6, -8, "s3=-1"}}},
        // Straight to the left the angle of two points is 0 by its own
        // convention; the direction is 180, and no edit changes that.
        CandidatesCase{"AngleStraightToTheLeft", Point("0", "0"), Point("-5", "0"), {}, {{0, 0, "-"}}},
        CandidatesCase{"AngleStraightBelow", Point("2", "3"), Point("2", "-1"), {}, {{2, 3, "-"}}},
        CandidatesCase{"AngleOfTwoPoints", Point("0", "0"), Point("3", "4"), {}, {{0, 0, ""}}},
        // Two coincident points lie on infinitely many circles; the
        // calculation shows one of them.
        CandidatesCase{"CoincidentPointsHaveNoCandidates", Point("0", "0"), Point("0", "0"), Point("4", "2"), {}},
        CandidatesCase{"WrongOrderHasNoCandidates", Value("5"), Point("1", "1"), {}, {}},
        CandidatesCase{
            "CirclesTooFarApart", Circle("0", "0", "10", "1"), Value("-5"), Circle("40", "0", "10", "1"), {}},
        // Circle rows read as lines: A from R, B from S.
        CandidatesCase{"ThreeLinesTypedAsCircles",
                       Circle("0", "0", "0", "0"),
                       Circle("10", "0", "135", "0"),
                       Circle("0", "0", "225", "0"),
                       {{5, 2.0710678118654755, ""},
                        {12.071067811865476, 5, "r2=315"},
                        {-2.0710678118654755, 5, "r3=405"},
                        {5, -12.071067811865476, "r1=180"}}}),
    [](const testing::TestParamInfo<CandidatesCase>& info) { return info.param.name; });

TEST(Candidates, TangentsFromAPointShareItsPointAndDifferInDirection) {
  const auto found = FindCandidates(TextsOf(Point("0", "0"), Circle("10", "0", "5", "1"), Unused()));
  ASSERT_EQ(found.size(), 2u);
  EXPECT_NEAR(*found[0].direction, 30, 1e-12);
  EXPECT_NEAR(*found[1].direction, -30, 1e-12);
  EXPECT_NEAR(found[1].secondTouch->x, 7.5, 1e-12);
  EXPECT_NEAR(found[1].secondTouch->y, -5 * kHalfRoot3, 1e-12);
  EXPECT_EQ(EditsInWords(found[0]), "R2 = -5");
  EXPECT_TRUE(found[1].isAnswer);
  EXPECT_EQ(found[0].calculation, CalculationId::kTangentPointCircle);
}

// The catalogue's circle-and-tangent example: the point lies too far from
// the circle to pass through it, so the circle through the point is no
// sign's answer; the others come with the tangent they touch.
// Reversed towards the answer's 171.3, the tangent at the top of the circle
// (a direction a hair above 0) is 180, not -180.
TEST(Candidates, TangentsTurnedTowardsTheAnswerStayWithinAHalfOpenTurn) {
  const auto found = FindCandidates(TextsOf(Circle("0", "0", "66"), Point("5", "66"), Unused()));
  ASSERT_EQ(found.size(), 2u);
  EXPECT_TRUE(found[0].isAnswer);
  EXPECT_NEAR(*found[0].direction, 171.33537203362297, 1e-9);
  EXPECT_EQ(*found[1].direction, 180);
}

TEST(Candidates, BothRoutesOfThePointValueAndCircleRows) {
  const auto found = FindCandidates(examples::kCatalogue[7].Texts());
  ASSERT_EQ(found.size(), 9u);
  EXPECT_EQ(found[0].calculation, CalculationId::kCircleThroughPointTouchingCircle);
  EXPECT_FALSE(found[0].reachable);
  EXPECT_EQ(EditsInWords(found[0]), "not reachable with these rows");
  int answers = 0, reachable = 0;
  for (size_t i = 1; i < found.size(); ++i) {
    EXPECT_EQ(found[i].calculation, CalculationId::kCircleTouchingCircleAndTangent);
    EXPECT_NEAR(std::fabs(*found[i].direction), 30, 1e-12);
    EXPECT_EQ(*found[i].radius, 5);
    answers += found[i].isAnswer ? 1 : 0;
    reachable += found[i].reachable ? 1 : 0;
  }
  EXPECT_EQ(answers, 1);
  EXPECT_GE(reachable, 5);
}

// Of two edits giving the same candidate, one box of C before a reversed line.
TEST(Candidates, FewestBoxesThenSignsBeforeReversals) {
  const auto found = FindCandidates(TextsOf(Line("0", "0", "30"), Value("5"), Circle("20", "0", "10", "1")));
  int withC = 0;
  for (const Candidate& c : found) {
    for (const BoxEdit& edit : c.edits) EXPECT_FALSE(edit.reversesLine) << EditsInWords(c);
    withC += EditsAsBoxWords(c).find("c2=-5") != std::string::npos ? 1 : 0;
  }
  EXPECT_GT(withC, 0);
}

// Applying a candidate's edits makes the calculation show that candidate,
// also where a number needs more digits than the calculation writes (the
// edit then writes the shortest text that reads back exactly) and where an
// angle has no exact half turn (circle rows read as lines by the three-lines
// calculation, one at 6.67e26 degrees: it is walked back from the same
// direction below a full turn instead). Found by fuzzing.
TEST(Candidates, EveryCandidatesEditsGiveItBack) {
  const std::vector<std::array<Row, 3>> rows = {
      {Row{.x = "0", .y = "10", .d = "0", .r = "*", .s = "0"},
       Row{.x = "10", .y = "00", .d = "0", .a = "10", .b = "0", .c = "0", .r = "6*", .s = "0"},
       Row{.x = "10",
           .y = "00",
           .d = "0",
           .a = "10",
           .b = "0",
           .c = "0",
           .r = "666666666666666666666660036",
           .s = "00"}},
      {Line("0", "0", "1e20", "2"), Line("5", "0", "75"), Line("0", "9", "-50", "1")},
      // Radii of 16 digits, 1 apart: rounded to 15 digits they would be 5 apart.
      {Circle("0", "0", "6666000004115596", "5"), Circle("666137", "0", "6666000004115595", "5"), Unused()},
      // 6.666e17 + 180 is no double: it rounds to 128 more, which 15 digits write exactly.
      {Row{.d = "0", .r = "0", .s = "0"},
       Row{.x = "10", .y = "00", .d = "0", .a = "10", .b = "0", .c = "0", .r = "666600002050627902", .s = "0"},
       Row{.x = "0", .y = "0", .d = "3", .a = "3"}},
  };
  std::vector<InputTexts> inputs;
  for (const auto& [r1, r2, r3] : rows) inputs.push_back(TextsOf(r1, r2, r3));
  for (const auto& entry : examples::kCatalogue) inputs.push_back(entry.Texts());
  int reached = 0;
  for (const InputTexts& texts : inputs) {
    const std::vector<Candidate> found = FindCandidates(texts);
    for (const Candidate& c : found) {
      if (c.edits.empty()) continue;
      InputTexts edited = texts;
      for (const BoxEdit& edit : c.edits) edited(edit.row, edit.column) = edit.text;
      const std::vector<Candidate> again = FindCandidates(edited);
      ASSERT_EQ(again.size(), found.size()) << EditsAsBoxWords(c);
      const Candidate& same = again[static_cast<size_t>(c.number - 1)];
      EXPECT_TRUE(same.isAnswer) << EditsAsBoxWords(c);
      EXPECT_NEAR(same.point.x, c.point.x, 1e-9 * (1 + std::fabs(c.point.x))) << EditsAsBoxWords(c);
      EXPECT_NEAR(same.point.y, c.point.y, 1e-9 * (1 + std::fabs(c.point.y))) << EditsAsBoxWords(c);
      ++reached;
    }
  }
  EXPECT_GT(reached, 20);
}

Candidate WithEdits(std::vector<BoxEdit> edits) {
  Candidate c;
  c.reachable = true;
  c.edits = std::move(edits);
  return c;
}

TEST(CandidateText, EditsInTheUsersWordsAndAsBoxWords) {
  Candidate answer;
  answer.isAnswer = answer.reachable = true;
  EXPECT_EQ(EditsInWords(answer), "");
  EXPECT_EQ(EditsAsBoxWords(answer), "");
  EXPECT_EQ(EditsInWords(Candidate{}), "not reachable with these rows");
  EXPECT_EQ(EditsAsBoxWords(Candidate{}), "-");

  const Candidate signs = WithEdits({{1, colC, "-5"}, {2, colR, "-10"}, {2, colS, "-1"}});
  EXPECT_EQ(EditsInWords(signs), "C = -5, R3 = -10, S3 = -1");
  EXPECT_EQ(EditsAsBoxWords(signs), "c2=-5 r3=-10 s3=-1");

  const Candidate reversed = WithEdits({{0, colA, "225", true}, {0, colB, "-5", true}, {2, colS, "1"}});
  EXPECT_EQ(EditsInWords(reversed), "row 1 reversed, S3 = 1");
  EXPECT_EQ(EditsAsBoxWords(reversed), "a1=225 b1=-5 s3=1");

  const Candidate twoLines = WithEdits({{1, colA, "315", true}, {2, colR, "45", true}, {2, colS, "-3", true}});
  EXPECT_EQ(EditsInWords(twoLines), "row 2 reversed, row 3 reversed");
  // A C box outside the value row is named with its row.
  EXPECT_EQ(EditsInWords(WithEdits({{2, colC, "1"}})), "C3 = 1");
}

TEST(CandidateText, ShortestNumberTexts) {
  const std::pair<double, std::string> cases[] = {{0.1, "0.1"},    {-0.0, "0"},
                                                  {0, "0"},        {28.66025403784439, "28.66025403784439"},
                                                  {-5, "-5"},      {1e20, "1e+20"},
                                                  {1e-7, "1e-07"}, {1.0 / 3, "0.3333333333333333"},
                                                  {180, "180"},    {123456789, "123456789"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(ShortestNumberText(value), text) << value;
}

TEST(CandidateText, NumbersReadBackToTheSameDouble) {
  std::mt19937_64 random(3);
  for (int i = 0; i < 2000; ++i) {
    const double x = std::ldexp(std::uniform_real_distribution<double>(-1, 1)(random),
                                std::uniform_int_distribution<int>(-40, 40)(random));
    const std::string text = ShortestNumberText(x);
    double back = 0;
    std::from_chars(text.data(), text.data() + text.size(), back);
    EXPECT_EQ(back, x) << text;
    EXPECT_EQ(ParseLeadingNumber(text), x) << text;
  }
}

}  // namespace
}  // namespace draftcalc::candidates
