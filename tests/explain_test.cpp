// Why a calculation has no answer, family by family: every number the reason
// gives is worked out here independently (OpenCASCADE's distances, and its
// analytic touching circles for the least radius that touches two figures),
// the remark shown is one the help explains for that calculation, and the
// suggested edit, where there is one, gives an answer.
#include "explain/explain.h"

#include <gtest/gtest.h>

#include <GccAna_Circ2d2TanRad.hxx>
#include <GccAna_Circ2d3Tan.hxx>
#include <GccEnt.hxx>
#include <GccEnt_QualifiedCirc.hxx>
#include <GccEnt_QualifiedLin.hxx>
#include <IntAna2d_AnaIntersection.hxx>
#include <cmath>
#include <cstdio>
#include <functional>
#include <gp_Ax2d.hxx>
#include <gp_Circ2d.hxx>
#include <gp_Dir2d.hxx>
#include <gp_Lin2d.hxx>
#include <gp_Pnt2d.hxx>
#include <numbers>
#include <ostream>
#include <regex>
#include <string>
#include <vector>

#include "core/box_texts.h"
#include "core/calculation_id.h"
#include "csv/box_columns.h"
#include "engine/calculation.h"
#include "session/help_text.h"

namespace draftcalc::explain {
namespace {

constexpr double kTolerance = 1e-10;

// "x1=0 d1=8 ..." over the start-up texts.
BoxTexts Boxes(const std::string& words) {
  BoxTexts boxes = StartupBoxTexts();
  size_t start = 0;
  while (start < words.size()) {
    const size_t end = std::min(words.find(' ', start), words.size());
    const std::string word = words.substr(start, end - start);
    const size_t equals = word.find('=');
    const auto box = csv::ParseBoxName(word.substr(0, equals));
    if (!box) ADD_FAILURE() << "no box: " << word;
    if (box) boxes[BoxIndex(box->row, box->column)] = word.substr(equals + 1);
    start = end + 1;
  }
  return boxes;
}

// A number as the reasons write it: four decimals at most, no trailing zeros.
std::string Four(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.4f", value);
  std::string shown = text;
  while (shown.back() == '0') shown.pop_back();
  if (shown.back() == '.') shown.pop_back();
  return shown == "-0" ? "0" : shown;
}

gp_Pnt2d P(double x, double y) { return {x, y}; }
gp_Circ2d C(double x, double y, double r) { return gp_Circ2d(gp_Ax2d(P(x, y), gp_Dir2d(1, 0)), r); }
gp_Lin2d L(double x, double y, double degrees) {
  const double a = degrees * std::numbers::pi / 180;
  return gp_Lin2d(P(x, y), gp_Dir2d(std::cos(a), std::sin(a)));
}

// The least radius of a circle touching both figures, by OpenCASCADE: the
// first radius (scanned in steps of `step`) at which it finds one, narrowed
// down between the last radius without and that one.
template <typename Touching>
double LeastTouchingRadius(Touching touching, double step) {
  double without = 0, with = step;
  while (touching(with).NbSolutions() == 0) {
    without = with;
    with += step;
  }
  for (int i = 0; i < 60; ++i) {
    const double middle = (without + with) / 2;
    (touching(middle).NbSolutions() > 0 ? with : without) = middle;
  }
  return with;
}

double LeastBetween(const gp_Circ2d& a, const gp_Circ2d& b) {
  return LeastTouchingRadius(
      [&](double rho) { return GccAna_Circ2d2TanRad(GccEnt::Unqualified(a), GccEnt::Unqualified(b), rho, kTolerance); },
      0.01);
}
double LeastBetween(const gp_Circ2d& a, const gp_Pnt2d& p) {
  return LeastTouchingRadius(
      [&](double rho) { return GccAna_Circ2d2TanRad(GccEnt::Unqualified(a), p, rho, kTolerance); }, 0.01);
}
double LeastBetween(const gp_Circ2d& a, const gp_Lin2d& l) {
  return LeastTouchingRadius(
      [&](double rho) { return GccAna_Circ2d2TanRad(GccEnt::Unqualified(a), GccEnt::Unqualified(l), rho, kTolerance); },
      0.01);
}

struct ReasonCase {
  std::string name;
  std::string words;
  std::string remark;
  std::string phrase;                            // words the reason must hold
  std::function<std::vector<double>()> numbers;  // it must give each, to four decimals
  bool fixExpected;
};

void PrintTo(const ReasonCase& c, std::ostream* out) { *out << c.name; }

class Reason : public testing::TestWithParam<ReasonCase> {};

TEST_P(Reason, GivesTheDecidingNumbersAndAFixThatAnswers) {
  const ReasonCase& c = GetParam();
  const BoxTexts boxes = Boxes(c.words);
  CalcState state;
  RunCalculation(state, ViewsOf(boxes));
  ASSERT_EQ(state.captions.ansRem, c.remark);
  const Explanation explanation = Explain(ViewsOf(boxes));
  EXPECT_NE(explanation.why.find(c.phrase), std::string::npos) << explanation.why;
  for (const double number : c.numbers()) {
    EXPECT_NE(explanation.why.find(Four(number)), std::string::npos) << Four(number) << " in: " << explanation.why;
  }
  EXPECT_EQ(!explanation.fix.empty(), c.fixExpected) << FixAsBoxWords(explanation);
  BoxTexts fixed = boxes;
  for (const candidates::BoxEdit& edit : explanation.fix) fixed[BoxIndex(edit.row, edit.column)] = edit.text;
  RunCalculation(state, ViewsOf(fixed));
  if (!explanation.fix.empty()) {
    EXPECT_EQ(state.captions.ansRem, "") << FixAsBoxWords(explanation);
  }
}

// The help explains the remark for the calculation that gave it.
// The same reason in Japanese: the same numbers and the same fix, in words
// of the Japanese translations (no English sentence left).
TEST_P(Reason, InJapaneseGivesTheSameNumbersAndFix) {
  const ReasonCase& c = GetParam();
  const BoxTexts boxes = Boxes(c.words);
  const Explanation english = Explain(ViewsOf(boxes));
  const Explanation japanese = Explain(ViewsOf(boxes), i18n::Language::kJapanese);
  EXPECT_EQ(japanese.fix, english.fix);
  EXPECT_NE(japanese.why, english.why);
  for (const double number : c.numbers()) {
    EXPECT_NE(japanese.why.find(Four(number)), std::string::npos) << Four(number) << " in: " << japanese.why;
  }
  // English words of four letters or more would be an untranslated sentence
  // (the box words and "double" are the same in both).
  std::string words = japanese.why;
  for (const char* same : {"double"}) {
    for (size_t at; (at = words.find(same)) != std::string::npos;) words.erase(at, std::string(same).size());
  }
  EXPECT_FALSE(std::regex_search(words, std::regex("[A-Za-z]{4,}"))) << japanese.why;
}

TEST_P(Reason, TheHelpExplainsTheRemarkForThisCalculation) {
  const ReasonCase& c = GetParam();
  const BoxTexts boxes = Boxes(c.words);
  CalcState state;
  RunCalculation(state, ViewsOf(boxes));
  const auto entry = std::find_if(session::help::kRemarks.begin(), session::help::kRemarks.end(),
                                  [&](const auto& e) { return e.key == state.captions.ansRem; });
  ASSERT_NE(entry, session::help::kRemarks.end()) << state.captions.ansRem;
  const std::string text(entry->text);
  const bool named = state.ran == CalculationId::kNone || text.find("any calculation") != std::string::npos ||
                     text.find(std::string(CatalogueNumber(state.ran))) != std::string::npos;
  EXPECT_TRUE(named) << CatalogueNumber(state.ran) << " not in: " << text;
}

using std::vector;

INSTANTIATE_TEST_SUITE_P(
    Tangents, Reason,
    testing::Values(ReasonCase{"PointInsideTheCircle", "x1=1 y1=2 d1=8 x2=4 y2=6 d2=0 r2=10 s2=1", "接線が求められない",
                               "inside its radius",
                               [] {
                                 const double d = P(1, 2).Distance(P(4, 6));
                                 return vector{d, 10.0, 10 - d};
                               },
                               true},
                    ReasonCase{"CircleInsideTheOther", "d1=0 r1=10 s1=1 x2=3 y2=4 d2=0 r2=2 s2=1", "接線が求められない",
                               "circle 2 lies inside circle 1",
                               [] {
                                 return vector{P(0, 0).Distance(P(3, 4)), 8.0};
                               },
                               true},
                    ReasonCase{"CrossingTangentOfOverlappingCircles", "d1=0 r1=10 s1=1 x2=12 d2=0 r2=-5 s2=1",
                               "接線が求められない", "crossing",
                               [] {
                                 return vector{P(0, 0).Distance(P(12, 0)), 10.0, 5.0};
                               },
                               true},
                    ReasonCase{"SharedCentre", "d1=0 r1=5 d2=0 r2=3 s2=1", "中心が重なり求められない",
                               "share their centre", [] { return vector<double>{}; }, false}));

INSTANTIATE_TEST_SUITE_P(
    Intersections, Reason,
    testing::Values(
        ReasonCase{"ParallelLines", "d1=3 a1=30 x2=4 d2=3 a2=210", "交点が求められませんでした。", "are parallel",
                   [] {
                     const IntAna2d_AnaIntersection meet(L(0, 0, 30), L(4, 0, 210));
                     EXPECT_TRUE(meet.ParallelElements() && !meet.IdenticalElements());
                     return vector{30.0, 210.0};
                   },
                   false},
        ReasonCase{"CoincidentLines", "d1=3 a1=45 x2=2 y2=2 d2=3 a2=45", "交点が求められませんでした。", "coincide",
                   [] {
                     EXPECT_TRUE(IntAna2d_AnaIntersection(L(0, 0, 45), L(2, 2, 45)).IdenticalElements());
                     return vector{45.0};
                   },
                   false},
        ReasonCase{"LevelLineMissesTheCircle", "y1=20 d1=3 a1=0 x2=10 d2=0 r2=8 s2=1", "交点無し??", "short",
                   [] {
                     const double p = L(0, 20, 0).Distance(P(10, 0));
                     return vector{p, 8.0, p - 8};
                   },
                   true},
        ReasonCase{"SlantedLineMissesTheCircle", "d1=3 a1=45 x2=10 d2=0 r2=5 s2=1", "交点無し??", "short",
                   [] {
                     const double p = L(0, 0, 45).Distance(P(10, 0));
                     return vector{p, 5.0, p - 5};
                   },
                   true},
        ReasonCase{"CirclesApart", "d1=0 r1=5 s1=1 d2=5 c2=0 x3=20 d3=0 r3=5 s3=1", "交点無し?", "reach",
                   [] {
                     const double d = P(0, 0).Distance(P(20, 0));
                     return vector{d, 10.0, d - 10};
                   },
                   true},
        ReasonCase{"CircleInsideTheOtherDoesNotMeetIt", "d1=0 r1=10 s1=1 d2=5 c2=0 x3=3 y3=4 d3=0 r3=2 s3=1",
                   "交点無し!!", "circle 3 lies inside circle 1",
                   [] {
                     const double d = P(0, 0).Distance(P(3, 4));
                     return vector{d, 8.0, 8 - d};
                   },
                   true}));

INSTANTIATE_TEST_SUITE_P(
    TouchingCircles, Reason,
    testing::Values(ReasonCase{"PointInsideTheCircleNeedsALargerC", "x1=3 d1=8 d2=5 c2=-1 x3=0 d3=0 r3=10 s3=1",
                               "交点無し!!", "the point lies inside circle 3",
                               [] {
                                 const double least = LeastBetween(C(0, 0, 10), P(3, 0));
                                 return vector{2 * least, least};
                               },
                               true},
                    ReasonCase{"CircleFarFromTheLine", "d1=3 a1=0 d2=5 c2=2 y3=20 d3=0 r3=5 s3=-1", "交点無し??",
                               "from the line",
                               [] {
                                 const double least = LeastBetween(C(0, 20, 5), L(0, 0, 0));
                                 return vector{2 * least, 2.0, least};
                               },
                               true},
                    ReasonCase{"CirclesTooFarApartForC", "d1=0 r1=5 s1=1 d2=5 c2=5 x3=30 d3=0 r3=5 s3=1", "交点無し?",
                               "needs |C| at least",
                               [] {
                                 const double least = LeastBetween(C(0, 0, 5), C(30, 0, 5));
                                 return vector{2 * least, 5.0, least};
                               },
                               true},
                    ReasonCase{"CircleDeepInsideTheOther", "d1=0 r1=20 s1=1 d2=5 c2=1 x3=3 d3=0 r3=2 s3=1",
                               "交点無し!!", "circle 3 lies inside circle 1",
                               [] {
                                 const double least = LeastBetween(C(0, 0, 20), C(3, 0, 2));
                                 return vector{2 * least, 1.0, least};
                               },
                               true},
                    ReasonCase{"SignsSelectNoneOfTheCircles", "x1=0 y1=30 d1=8 d2=5 c2=5 x3=0 y3=0 d3=0 r3=10 s3=1",
                               "交点無し??", "the construction has 8 answers (the candidates)",
                               [] { return vector<double>{}; }, true}));

INSTANTIATE_TEST_SUITE_P(
    ThreeElementsAndOrder, Reason,
    testing::Values(ReasonCase{"CollinearPoints", "d1=8 x2=1 y2=1 d2=8 x3=2 y3=2 d3=8", "求められない",
                               "lie on one line",
                               [] {
                                 EXPECT_EQ(GccAna_Circ2d3Tan(P(0, 0), P(1, 1), P(2, 2), kTolerance).NbSolutions(), 0);
                                 return vector<double>{};
                               },
                               false},
                    ReasonCase{"ParallelLinesAmongThree", "d1=3 a1=0 d2=3 a2=0 y2=5 x3=0 d3=3 a3=90",
                               "交点が求められませんでした。", "lines 1 and 2 are parallel", [] { return vector{0.0}; },
                               false},
                    ReasonCase{"PointThenLine", "d1=8 d2=3 a2=0", "入力順違いで計算出来ない", "a point and a line",
                               [] { return vector<double>{}; }, false},
                    ReasonCase{"LineTwoInRowOne", "d1=2 a1=0 d2=1 a2=90", "入力順違いで計算出来ない",
                               "D 2 marks the second", [] { return vector<double>{}; }, false},
                    ReasonCase{"LineOneInRowTwo", "d1=3 a1=0 d2=1 a2=90", "入力順違いで計算出来ない", "takes D 2 or 3",
                               [] { return vector<double>{}; }, true},
                    ReasonCase{"NumbersTooLarge", "d1=0 r1=5 s1=1 d2=5 c2=0 x3=1e200 y3=1e200 d3=0 r3=5 s3=1",
                               "数値が範囲外で計算出来ない", "too large", [] { return vector<double>{}; }, false}));

}  // namespace
}  // namespace draftcalc::explain
