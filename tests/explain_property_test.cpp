// The suggested edit on generated failing inputs of every calculation that
// can have one: applied, it gives an answer; and where it moves one number
// box to a limit (rather than turning a sign to select a candidate that
// exists), no smaller move of that box gives one: the boundary found here
// by bisection with the calculation lies within the captions' 1e-4 of the
// edit. Every failure has a reason.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <map>
#include <random>
#include <string>

#include "candidates/candidate_text.h"
#include "core/box_texts.h"
#include "core/number_parse.h"
#include "engine/calculation.h"
#include "explain/explain.h"

namespace draftcalc::explain {
namespace {

int Cases() {
  const char* cases = std::getenv("DRAFTCALC_PROPERTY_CASES");
  return cases ? std::atoi(cases) : 3000;
}

class Typing {
 public:
  explicit Typing(unsigned seed) : random_(seed) {}
  // Whole numbers and two-place decimals, as typed.
  std::string Number(double low, double high) {
    const double v = std::uniform_real_distribution<double>(low, high)(random_);
    return candidates::ShortestNumberText(Chance(2) ? std::round(v) : std::round(v * 100) / 100);
  }
  std::string Sign() { return Chance(2) ? "1" : "-1"; }
  std::string Signed(double low, double high) { return (Chance(2) ? "" : "-") + Number(low, high); }
  bool Chance(int oneIn) { return std::uniform_int_distribution<int>(1, oneIn)(random_) == 1; }

 private:
  std::mt19937 random_;
};

// Rows of one calculation with numbers that often leave it without an
// answer: circles apart or nested, points inside, small C.
using Generator = std::function<BoxTexts(Typing&)>;

void Set(BoxTexts& boxes, int row, Column column, std::string text) { boxes[BoxIndex(row, column)] = std::move(text); }

void PointRow(BoxTexts& b, Typing& t, int row) {
  Set(b, row, colX, t.Number(-20, 20));
  Set(b, row, colY, t.Number(-20, 20));
  Set(b, row, colD, "8");
}
void CircleRow(BoxTexts& b, Typing& t, int row) {
  Set(b, row, colX, t.Number(-20, 20));
  Set(b, row, colY, t.Number(-20, 20));
  Set(b, row, colD, "0");
  Set(b, row, colR, t.Signed(1, 25));
  Set(b, row, colS, t.Sign());
}
void LineRow(BoxTexts& b, Typing& t, int row) {
  Set(b, row, colX, t.Number(-20, 20));
  Set(b, row, colY, t.Number(-20, 20));
  Set(b, row, colD, "3");
  Set(b, row, colA, t.Number(-180, 180));
}
void ValueRow(BoxTexts& b, Typing& t, const std::string& c) {
  Set(b, 1, colD, "5");
  Set(b, 1, colC, c.empty() ? t.Signed(0.5, 15) : c);
}

const std::map<std::string, Generator>& Generators() {
  static const std::map<std::string, Generator> generators = {
      {"tangent from a point",
       [](Typing& t) {
         BoxTexts b = StartupBoxTexts();
         PointRow(b, t, 0);
         CircleRow(b, t, 1);
         return b;
       }},
      {"tangent of two circles",
       [](Typing& t) {
         BoxTexts b = StartupBoxTexts();
         CircleRow(b, t, 0);
         CircleRow(b, t, 1);
         return b;
       }},
      {"line and circle",
       [](Typing& t) {
         BoxTexts b = StartupBoxTexts();
         LineRow(b, t, 0);
         CircleRow(b, t, 1);
         return b;
       }},
      {"two circles",
       [](Typing& t) {
         BoxTexts b = StartupBoxTexts();
         CircleRow(b, t, 0);
         ValueRow(b, t, "0.001");
         CircleRow(b, t, 2);
         return b;
       }},
      {"point, C, circle",
       [](Typing& t) {
         BoxTexts b = StartupBoxTexts();
         PointRow(b, t, 0);
         ValueRow(b, t, "");
         CircleRow(b, t, 2);
         return b;
       }},
      {"line, C, circle",
       [](Typing& t) {
         BoxTexts b = StartupBoxTexts();
         LineRow(b, t, 0);
         ValueRow(b, t, "");
         CircleRow(b, t, 2);
         return b;
       }},
      {"circle, C, circle",
       [](Typing& t) {
         BoxTexts b = StartupBoxTexts();
         CircleRow(b, t, 0);
         ValueRow(b, t, "");
         CircleRow(b, t, 2);
         return b;
       }},
  };
  return generators;
}

bool Answers(const BoxTexts& boxes) {
  CalcState state;
  RunCalculation(state, ViewsOf(boxes));
  return state.captions.ansRem.empty();
}

// The value next to `from` (not answering) on the way to `to` (answering)
// where answering starts, by bisection with the calculation.
double Boundary(BoxTexts boxes, size_t box, double from, double to) {
  for (int i = 0; i < 80; ++i) {
    const double middle = from + (to - from) / 2;
    if (middle == from || middle == to) break;
    boxes[box] = candidates::ShortestNumberText(middle);
    (Answers(boxes) ? to : from) = middle;
  }
  return to;
}

std::string Words(const BoxTexts& boxes) {
  std::string words;
  for (size_t i = 0; i < boxes.size(); ++i) {
    if (boxes[i] != StartupBoxTexts()[i])
      words += "xydabcrs"[i % kColumnCount] + std::to_string(i / kColumnCount + 1) + "=" + boxes[i] + " ";
  }
  return words;
}

TEST(ExplainProperty, TheFixAnswersAndIsTheSmallestMoveOfItsBox) {
  for (const auto& [name, generate] : Generators()) {
    Typing typing(20261207u);
    int failing = 0, numericFixes = 0;
    for (int i = 0; i < Cases(); ++i) {
      const BoxTexts boxes = generate(typing);
      if (Answers(boxes)) continue;
      ++failing;
      const Explanation explanation = Explain(ViewsOf(boxes));
      ASSERT_FALSE(explanation.why.empty()) << name << ": " << Words(boxes);
      if (explanation.fix.empty()) continue;
      BoxTexts fixed = boxes;
      for (const candidates::BoxEdit& edit : explanation.fix) fixed[BoxIndex(edit.row, edit.column)] = edit.text;
      ASSERT_TRUE(Answers(fixed)) << name << ": " << Words(boxes) << "fix " << FixAsBoxWords(explanation);

      const candidates::BoxEdit& edit = explanation.fix.front();
      if (explanation.fix.size() != 1 || edit.column == colD || edit.column == colS) continue;
      const size_t box = BoxIndex(edit.row, edit.column);
      const double from = ParseLeadingNumber(boxes[box]), to = ParseLeadingNumber(edit.text);
      // A sign turned or a line walked back selects a candidate that exists:
      // another branch, not a number moved to a limit.
      if (to == -from || edit.reversesLine) continue;
      ++numericFixes;
      const double boundary = Boundary(boxes, box, from, to);
      EXPECT_LE(std::fabs(to - boundary), 1e-4 * (1 + 1e-9))
          << name << ": " << Words(boxes) << "fix " << edit.text << ", but " << boundary << " answers";
    }
    EXPECT_GT(failing, Cases() / 20) << name;
    EXPECT_GT(numericFixes, 0) << name;
  }
}

}  // namespace
}  // namespace draftcalc::explain
