#include <algorithm>
#include <array>
#include <cassert>
#include <cstddef>
#include <iterator>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

#include "candidates/answer_match.h"
#include "candidates/candidate.h"
#include "candidates/construction_only.h"
#include "candidates/geometric_answers.h"
#include "candidates/selectors.h"
#include "core/input_reading.h"
#include "engine/calculation.h"
#include "geometry/degrees.h"

namespace draftcalc::candidates {
namespace {

constexpr size_t kMaxSelectors = 4;
constexpr size_t kMaxCombinations = 64;
constexpr int kAsTyped = -1;

// What a combination of selector states costs the user: boxes to change,
// then lines reversed, then the earliest boxes in box order.
struct EditCost {
  int boxes = 0, reversals = 0;
  std::array<int, 2 * kMaxSelectors> positions{};  // row * columns + column, ascending, then padding

  // Spelt out: the WebAssembly C++ library has no three-way comparison of arrays.
  bool operator<(const EditCost& other) const {
    return std::tie(boxes, reversals, positions) < std::tie(other.boxes, other.reversals, other.positions);
  }
};

using SelectorStates = std::array<int, kMaxSelectors>;  // per selector: kAsTyped or an alternative's index

struct Combination {
  SelectorStates state{};
  EditCost cost;
};

// Calls visit(alternative) for each selector not left as typed.
template <class Visit>
void ForEachChosen(const SelectorStates& state, const std::vector<Selector>& selectors, Visit visit) {
  for (size_t i = 0; i < selectors.size(); ++i) {
    if (state[i] != kAsTyped) visit(selectors[i].alternatives[static_cast<size_t>(state[i])]);
  }
}

EditCost CostOf(const SelectorStates& state, const std::vector<Selector>& selectors) {
  EditCost cost;
  cost.positions.fill(kRowCount * kColumnCount);
  ForEachChosen(state, selectors, [&](const SelectorState& chosen) {
    for (int b = 0; b < chosen.boxCount; ++b) {
      const auto& box = chosen.boxes[static_cast<size_t>(b)];
      cost.positions.at(static_cast<size_t>(cost.boxes++)) = box.row * kColumnCount + box.column;
    }
    cost.reversals += chosen.reversesLine ? 1 : 0;
  });
  std::sort(cost.positions.begin(), cost.positions.end());  // the padding stays last
  return cost;
}

// Every combination of selector states but the texts as typed, cheapest first.
size_t CombinationsByCost(const std::vector<Selector>& selectors, std::array<Combination, kMaxCombinations>& out) {
  assert(selectors.size() <= kMaxSelectors);
  SelectorStates first{};
  for (size_t i = 0; i < selectors.size(); ++i) first[i] = selectors[i].typedIsAState ? kAsTyped : 0;
  size_t count = 0;
  for (SelectorStates state = first;;) {
    const bool asTyped = std::all_of(state.begin(), state.begin() + static_cast<std::ptrdiff_t>(selectors.size()),
                                     [](int s) { return s == kAsTyped; });
    if (!asTyped) {
      assert(count < kMaxCombinations);
      out[count++] = {state, CostOf(state, selectors)};
    }
    // The next state, the last selector counting fastest.
    size_t i = selectors.size();
    while (i > 0 && state[i - 1] + 1 == static_cast<int>(selectors[i - 1].alternatives.size())) {
      state[i - 1] = first[i - 1];
      --i;
    }
    if (i == 0) break;
    ++state[i - 1];
  }
  std::stable_sort(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(count),
                   [](const Combination& a, const Combination& b) { return a.cost < b.cost; });
  return count;
}

InputTexts Applied(InputTexts texts, const Combination& combination, const std::vector<Selector>& selectors) {
  ForEachChosen(combination.state, selectors, [&](const SelectorState& chosen) {
    for (int b = 0; b < chosen.boxCount; ++b) {
      const auto& box = chosen.boxes[static_cast<size_t>(b)];
      texts(box.row, box.column) = box.text;
    }
  });
  return texts;
}

std::vector<BoxEdit> EditsOf(const Combination& combination, const std::vector<Selector>& selectors) {
  std::vector<BoxEdit> edits;
  ForEachChosen(combination.state, selectors, [&](const SelectorState& chosen) {
    for (int b = 0; b < chosen.boxCount; ++b) {
      const auto& box = chosen.boxes[static_cast<size_t>(b)];
      edits.push_back({box.row, box.column, box.text, chosen.reversesLine});
    }
  });
  std::sort(edits.begin(), edits.end(), [](const BoxEdit& a, const BoxEdit& b) {
    return std::pair{a.row, a.column} < std::pair{b.row, b.column};
  });
  return edits;
}

// Runs the calculation over the combinations, cheapest first, until every
// candidate is reached; the first combination that gives a candidate is its
// cheapest. One state serves every run.
void SearchEdits(CalcState& state, const InputTexts& typed, const std::vector<Selector>& selectors,
                 GeometricAnswers& answers) {
  std::vector<Candidate>& candidates = answers.candidates;
  auto unreached = std::count_if(candidates.begin(), candidates.end(), [](const Candidate& c) { return !c.reachable; });
  std::array<Combination, kMaxCombinations> combinations;
  const size_t count = CombinationsByCost(selectors, combinations);
  for (size_t k = 0; k < count && unreached > 0; ++k) {
    RunCalculation(state, Applied(typed, combinations[k], selectors));
    const auto shown = ShownAnswerOf(state.captions);
    if (!shown) continue;
    const auto match = MatchingCandidate(*shown, state.ran, candidates, answers.size, Closeness::kShown);
    if (!match || candidates[*match].reachable) continue;
    candidates[*match].reachable = true;
    candidates[*match].edits = EditsOf(combinations[k], selectors);
    --unreached;
  }
}

// Of a tangent line's two directions, the one nearer `reference` (degrees,
// which may lie outside (-180, 180]).
double LineDirectionNear(double direction, double reference) {
  // A direction a hair above 0 reversed rounds to -180, which is 180.
  double reversed = direction > 0 ? direction - 180 : direction + 180;
  if (reversed <= -180) reversed = 180;
  const bool keep =
      geometry::AngleBetween(direction, reference, false) <= geometry::AngleBetween(reversed, reference, false);
  return keep ? direction : reversed;
}

// The tangents given in the directions nearer the answer's shown angle, so
// that the answer reads as the captions do and the others beside it.
void TurnTangentsTowards(double shownAngle, CalculationId ran, std::vector<Candidate>& candidates) {
  if (ran != CalculationId::kTangentPointCircle && ran != CalculationId::kTangentTwoCircles) return;
  for (Candidate& c : candidates) {
    if (c.direction) c.direction = LineDirectionNear(*c.direction, shownAngle);
  }
}

// The answers of the calculation the texts ask for, with the edits that
// select each; unnumbered.
std::vector<Candidate> CalculationCandidates(const InputTexts& texts) {
  CalcState state;
  RunCalculation(state, texts);
  const CalculationId ran = state.ran;
  if (ran == CalculationId::kNone) return {};

  CalcState table;
  ReadInputRows(table, texts);
  GeometricAnswers answers = GeometricAnswersOf(ran, table);
  if (answers.candidates.empty()) return {};

  const std::vector<Selector> selectors = SelectorsOf(ran, texts, table);
  // Only an S of 0 leaves a selector on neither side; the edits write 1 or -1.
  const bool betweenTwo =
      std::any_of(selectors.begin(), selectors.end(), [](const Selector& s) { return !s.typedIsAState; });
  std::optional<double> answerAngle;  // as shown
  if (const auto shown = ShownAnswerOf(state.captions)) {
    const Closeness closeness = betweenTwo ? Closeness::kBetweenTwoAnswers : Closeness::kShown;
    if (const auto match = MatchingCandidate(*shown, ran, answers.candidates, answers.size, closeness)) {
      answers.candidates[*match].isAnswer = true;
      answers.candidates[*match].reachable = true;
      answerAngle = shown->direction;
    }
  }
  SearchEdits(state, texts, selectors, answers);
  if (answerAngle) TurnTangentsTowards(*answerAngle, ran, answers.candidates);
  return std::move(answers.candidates);
}

}  // namespace

std::vector<Candidate> FindCandidates(const InputTexts& texts) {
  std::vector<Candidate> found = ConstructionOnlyCandidates(texts);
  std::vector<Candidate> ofTheCalculation = CalculationCandidates(texts);
  found.insert(found.end(), std::make_move_iterator(ofTheCalculation.begin()),
               std::make_move_iterator(ofTheCalculation.end()));
  for (size_t i = 0; i < found.size(); ++i) found[i].number = static_cast<int>(i) + 1;
  return found;
}

}  // namespace draftcalc::candidates
