// The candidate search on 24 arbitrary box texts (split at line feeds, as
// for pipeline_fuzz): never a crash, and candidates that keep their
// promises: numbered 1..n, finite, directions in (-180, 180], at most one
// the answer, edits exactly for the reachable ones that are not the answer,
// written as number texts (the shortest that reads back where 15 digits
// would round), the same candidates on a second search, and the
// central one: a candidate's edits, applied, make the calculation show that
// candidate (the same candidates found, that one now the answer). And for a
// remark: a reason, and a suggested edit that, applied, gives an answer.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "candidates/candidate.h"
#include "candidates/candidate_row.h"
#include "candidates/candidate_text.h"
#include "core/calc_state.h"
#include "core/input_reading.h"
#include "core/number_parse.h"
#include "core/number_text.h"
#include "engine/calculation.h"
#include "explain/explain.h"

namespace {

using draftcalc::candidates::Candidate;

bool Finite(draftcalc::geometry::Point p) { return std::isfinite(p.x) && std::isfinite(p.y); }

void Check(const std::vector<Candidate>& candidates) {
  int answers = 0;
  for (size_t i = 0; i < candidates.size(); ++i) {
    const Candidate& c = candidates[i];
    if (c.number != static_cast<int>(i) + 1 || !Finite(c.point)) std::abort();
    if (c.direction && !(*c.direction > -180 && *c.direction <= 180)) std::abort();
    if (c.radius && !(std::isfinite(*c.radius) && *c.radius >= 0)) std::abort();
    if (c.secondTouch && !Finite(*c.secondTouch)) std::abort();
    if (c.droppedFrom && !Finite(*c.droppedFrom)) std::abort();
    const bool constructionOnly = c.construction != draftcalc::candidates::Construction::kCalculation;
    if (constructionOnly && (c.isAnswer || c.reachable || !c.edits.empty())) std::abort();
    // Every candidate can be written into a row: a D code, and numbers that read back.
    if (draftcalc::candidates::RowTextsOf(c)[draftcalc::colD].empty()) std::abort();
    if (c.touches.size() > draftcalc::candidates::kMaxTouches) std::abort();
    for (const auto& touch : c.touches) {
      if (!Finite(touch)) std::abort();
    }
    answers += c.isAnswer ? 1 : 0;
    if (c.isAnswer && !c.reachable) std::abort();
    if (c.edits.empty() != (c.isAnswer || !c.reachable)) std::abort();
    for (const auto& edit : c.edits) {
      // The calculation's number text, or the shortest where that would round.
      const double value = draftcalc::ParseLeadingNumber(edit.text);
      if (draftcalc::NumberText(value) != edit.text && draftcalc::candidates::ShortestNumberText(value) != edit.text) {
        std::abort();
      }
    }
    if (draftcalc::candidates::ShortestNumberText(c.point.x).empty()) std::abort();
  }
  if (answers > 1) std::abort();
}

// How far a candidate may move when its edits are applied: a line walked
// the other way turns by up to an ulp of its angle (186.66602011190401 has
// no exact half turn), which nearly parallel lines magnify a millionfold.
// The candidate is the same one if it is the nearest to where it was, and
// still within a millionth of the figure's size.
constexpr double kMoved = 1e-6;

double Distance(draftcalc::geometry::Point a, draftcalc::geometry::Point b) {
  return std::max(std::fabs(a.x - b.x), std::fabs(a.y - b.y));
}

// How far apart two candidates are: of the same calculation or not (3.1
// and 3.2 answer the same rows, sometimes at one point), then by point,
// then (tangents from one point) by direction, then by radius. A tangent
// line is given in whichever of its two directions is nearer the answer's,
// which edits change: tangents are compared as lines.
std::tuple<bool, double, double, double> Apart(const Candidate& a, const Candidate& b) {
  const bool lines = a.calculation == draftcalc::CalculationId::kTangentPointCircle ||
                     a.calculation == draftcalc::CalculationId::kTangentTwoCircles;
  const double period = lines ? 180.0 : 360.0;
  const double turn = a.direction && b.direction ? std::fabs(std::remainder(*a.direction - *b.direction, period)) : 0;
  return {a.calculation != b.calculation, Distance(a.point, b.point), turn,
          std::fabs(a.radius.value_or(0) - b.radius.value_or(0))};
}

double FigureScale(const draftcalc::InputTexts& texts, const std::vector<Candidate>& found) {
  draftcalc::CalcState table;
  draftcalc::ReadInputRows(table, texts);
  double scale = 0;
  for (int row = 1; row <= draftcalc::kRowCount; ++row) {
    scale = std::max({scale, std::fabs(table.elemX[row]), std::fabs(table.elemY[row])});
  }
  for (const Candidate& c : found) {
    scale = std::max({scale, std::fabs(c.point.x), std::fabs(c.point.y), c.radius.value_or(0)});
  }
  return scale;
}

// Applies each reachable candidate's edits and searches again.
void CheckEditsGiveTheirCandidate(const draftcalc::InputTexts& texts, const std::vector<Candidate>& found) {
  const double scale = FigureScale(texts, found);
  for (const Candidate& c : found) {
    if (c.edits.empty()) continue;
    draftcalc::InputTexts edited = texts;
    for (const auto& edit : c.edits) edited(edit.row, edit.column) = edit.text;
    const std::vector<Candidate> again = draftcalc::candidates::FindCandidates(edited);
    // Walked back, a line can turn by an ulp of its angle; where that takes a
    // degenerate construction across a threshold (a circle of radius 0 at a
    // near crossing comes or goes), the answers are not the same ones.
    if (again.size() != found.size()) continue;
    const auto nearest = std::min_element(
        again.begin(), again.end(), [&](const Candidate& a, const Candidate& b) { return Apart(a, c) < Apart(b, c); });
    if (nearest == again.end() || !nearest->isAnswer) std::abort();
    if (Distance(nearest->point, c.point) > kMoved * std::max(1.0, scale)) std::abort();
  }
}

bool Same(const std::vector<Candidate>& a, const std::vector<Candidate>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (!(a[i].point == b[i].point) || a[i].isAnswer != b[i].isAnswer || a[i].edits != b[i].edits) return false;
  }
  return true;
}

// A remark has its reason, and the fix, where there is one, answers.
void CheckTheExplanation(const draftcalc::InputTexts& texts, const std::vector<Candidate>& found) {
  draftcalc::CalcState state;
  draftcalc::RunCalculation(state, texts);
  const draftcalc::explain::Explanation explanation = draftcalc::explain::Explain(texts, state, found);
  if (state.captions.ansRem.empty() != explanation.why.empty()) std::abort();
  if (explanation.fix.empty()) return;
  draftcalc::InputTexts fixed = texts;
  for (const auto& edit : explanation.fix) fixed(edit.row, edit.column) = edit.text;
  draftcalc::RunCalculation(state, fixed);
  if (!state.captions.ansRem.empty()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  draftcalc::InputTexts texts = draftcalc::StartupTexts();
  size_t start = 0;
  for (size_t box = 0; box < 24; ++box) {
    const size_t end = input.find('\n', start);
    texts.box[box / 8][box % 8] =
        input.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  const std::vector<Candidate> found = draftcalc::candidates::FindCandidates(texts);
  Check(found);
  if (!Same(found, draftcalc::candidates::FindCandidates(texts))) std::abort();
  CheckEditsGiveTheirCandidate(texts, found);
  CheckTheExplanation(texts, found);
  return 0;
}
