// The answer by position far from the origin: figures whose answers lie a
// few units apart, moved 1e3, 1e6 and 1e9 from the origin, keep the same
// candidate as the answer, and every candidate's edits give that candidate
// back; the answers a 4-place caption cannot tell apart are told apart by
// position, not credited to the first of them.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "candidates/candidate.h"
#include "candidates/candidate_text.h"
#include "engine_fixture.h"

namespace draftcalc::candidates {
namespace {

// A figure, and how far from the origin it is moved at most: the
// calculation writes a line in a form whose constant loses digits with the
// line's distance from the origin, so that at 1e9 its answers on a line
// stray by units (at 1e8 they are still right to the caption), as far as the
// answers of a figure of size 10 lie apart; there the nearest candidate need
// not be the one meant.
struct FarCase {
  std::string name;
  Row r1, r2, r3;
  double farthest = 1e9;
};

void PrintTo(const FarCase& c, std::ostream* out) { *out << c.name; }

std::string Moved(const std::string& text, double by) { return ShortestNumberText(std::stod(text) + by); }

struct Figure {
  Row rows[3];
  InputTexts Texts() const { return TextsOf(rows[0], rows[1], rows[2]); }
};

Figure MovedBy(const FarCase& c, double by) {
  Figure f{{c.r1, c.r2, c.r3}};
  for (Row& row : f.rows) {
    if (row.d == "5" || row.d == "99") continue;
    row.x = Moved(row.x, by);
    row.y = Moved(row.y, by);
  }
  return f;
}

int AnswerIndex(const std::vector<Candidate>& found) {
  for (size_t i = 0; i < found.size(); ++i) {
    if (found[i].isAnswer) return static_cast<int>(i);
  }
  return -1;
}

class FarFromTheOrigin : public testing::TestWithParam<FarCase> {};

TEST_P(FarFromTheOrigin, KeepsTheAnswerAndEveryEditGivesItsCandidateBack) {
  const std::vector<Candidate> near = FindCandidates(MovedBy(GetParam(), 0).Texts());
  const int answer = AnswerIndex(near);
  ASSERT_GE(answer, 0);
  for (const double by : {1e3, 1e6, 1e9}) {
    if (by > GetParam().farthest) continue;
    const Figure figure = MovedBy(GetParam(), by);
    const InputTexts texts = figure.Texts();
    const std::vector<Candidate> found = FindCandidates(texts);
    ASSERT_EQ(found.size(), near.size()) << by;
    EXPECT_EQ(AnswerIndex(found), answer) << "moved by " << by;
    for (size_t i = 0; i < found.size(); ++i) {
      EXPECT_NEAR(found[i].point.x - by, near[i].point.x, 1e-6 * by) << by << " candidate " << i + 1;
      if (found[i].edits.empty()) continue;
      InputTexts edited = texts;
      for (const BoxEdit& edit : found[i].edits) edited(edit.row, edit.column) = edit.text;
      EXPECT_EQ(AnswerIndex(FindCandidates(edited)), static_cast<int>(i))
          << "moved by " << by << ": the edits " << EditsAsBoxWords(found[i]) << " of candidate " << i + 1;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Figures, FarFromTheOrigin,
    testing::Values(
        // 3.2: circles of radius 12 on one tangent, 17 to 24 units apart.
        FarCase{"CirclesOnOneTangent", Point("24.157", "87.319"), Value("-12"), Circle("0.586", "0", "45.5", "1")},
        FarCase{"PointValueCircleBothRoutes", Point("-13", "0"), Value("6"), Circle("0", "0", "-5", "1")},
        FarCase{"TwoCirclesAndAValue", Circle("0", "0", "10", "1"), Value("-5"), Circle("20", "0", "10", "1")},
        FarCase{"TangentFromAPoint", Point("20", "0"), Circle("0", "0", "10", "1"), Unused()},
        FarCase{"LineAndCircle", Line("0", "0", "30"), Circle("10", "0", "8", "1"), Unused(), 1e6},
        FarCase{"LineValueCircle", Line("-3", "4", "30", "2"), Value("2"), Circle("0", "4", "5", "1"), 1e6}));

}  // namespace
}  // namespace draftcalc::candidates
