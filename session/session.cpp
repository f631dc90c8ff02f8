#include "session/session.h"

#include <algorithm>
#include <utility>

#include "candidates/candidate_row.h"
#include "engine/calculation.h"
#include "explain/explain.h"
#include "i18n/partial_reading.h"
#include "view/drawing.h"
#include "view/figure_extent.h"

namespace draftcalc::session {

int Result::AnswerNumber() const {
  const auto answer = std::find_if(candidates.begin(), candidates.end(), [](const auto& c) { return c.isAnswer; });
  return answer != candidates.end() ? answer->number : 0;
}

Session::Session(double twipsPerPixel) : view_(twipsPerPixel) {}

void Session::Type(size_t box, std::string text) {
  if (box >= boxes_.size() || boxes_[box] == text) return;
  boxes_[box] = std::move(text);
  typedSinceProgramEdit_ = true;
  history_.ForgetRedo();
}

// The rows as they stand go into the undo history before the program changes them.
void Session::Remember() {
  history_.Changing(Now());
  typedSinceProgramEdit_ = false;
}

Session::Change Session::SetRows(const BoxTexts& boxes) {
  if (boxes == boxes_) return Change::kNone;
  Remember();
  boxes_ = boxes;
  return Change::kRows;
}

// The candidates are found here only, never as the rows are typed: they
// are those of the rows that were calculated.
Session::Change Session::Calculate() {
  CalcState state;
  const InputTexts texts = ViewsOf(boxes_);
  RunCalculation(state, texts);
  auto found = candidates::FindCandidates(texts);
  explain::Explanation explanation = explain::Explain(texts, state, found, language_);
  result_ = {std::move(state.captions), state.ran, std::move(found), std::move(explanation)};
  calculatedFrom_ = boxes_;
  picked_ = 0;
  FitAfterCalculation();
  return Change::kCalculated;
}

void Session::SetLanguage(i18n::Language language) {
  if (language == language_) return;
  language_ = language;
  if (!result_.Failed() || !calculatedFrom_) return;
  CalcState state;
  const InputTexts texts = ViewsOf(*calculatedFrom_);
  RunCalculation(state, texts);
  result_.explanation = explain::Explain(texts, state, result_.candidates, language_);
}

void Session::FitAfterCalculation() {
  if (!fitAfterCalculation_()) return;
  const view::Bounds figure = FigureBounds();
  if (!figure.Empty() && !view_.Shows(figure)) view_.Fit(figure);
}

Session::Change Session::Clear() {
  // A second Clear empties nothing: Undo still brings back what the first emptied.
  if (boxes_ == StartupBoxTexts() && !HasResult()) return Change::kNone;
  Remember();
  boxes_ = StartupBoxTexts();
  result_ = {};
  calculatedFrom_.reset();
  picked_ = 0;
  return Change::kRows;
}

Session::Change Session::Pick(int number) {
  if (number < 1 || number > static_cast<int>(result_.candidates.size()) || IsOutOfDate()) return Change::kNone;
  // Copied: the calculation replaces the candidates.
  const candidates::Candidate candidate = result_.candidates[static_cast<size_t>(number - 1)];
  const Change change = candidate.reachable ? Edit(candidate.edits) : Change::kNone;
  picked_ = number;
  return change;
}

// Edits written into the rows as one undoable step, and the rows calculated.
Session::Change Session::Edit(const std::vector<candidates::BoxEdit>& edits) {
  if (edits.empty()) return Change::kNone;
  Remember();
  for (const candidates::BoxEdit& edit : edits) boxes_[BoxIndex(edit.row, edit.column)] = edit.text;
  return Calculate();
}

Session::Change Session::UseAsRow(int number, int row) {
  if (number < 1 || number > static_cast<int>(result_.candidates.size()) || row < 0 || row >= kRowCount ||
      IsOutOfDate()) {
    return Change::kNone;
  }
  const auto texts = candidates::RowTextsOf(result_.candidates[static_cast<size_t>(number - 1)]);
  BoxTexts boxes = boxes_;
  for (int column = 0; column < kColumnCount; ++column) {
    boxes[BoxIndex(row, static_cast<Column>(column))] = texts[static_cast<size_t>(column)];
  }
  return SetRows(boxes);
}

Session::Change Session::ApplyFix() {
  if (IsOutOfDate()) return Change::kNone;
  // Copied: the calculation replaces the result.
  const std::vector<candidates::BoxEdit> fix = result_.explanation.fix;
  return Edit(fix);
}

std::optional<std::string> Session::PartialReading(size_t box) const {
  return box < boxes_.size() ? i18n::PartialReading(boxes_[box], language_) : std::nullopt;
}

Session::Stepped Session::Step(int step, bool wrap) {
  const int count = static_cast<int>(result_.candidates.size());
  if (count == 0 || IsOutOfDate()) return {};
  int from = picked_;
  if (from == 0) {
    const int answer = result_.AnswerNumber();
    // With no answer, stepping starts just outside the end it steps away from.
    from = answer != 0 ? answer : (step > 0 ? 0 : count + 1);
  }
  int to = from + step;
  if (to < 1 || to > count) {
    if (!wrap) return {};
    to = (to - 1 + count) % count + 1;
  }
  return {to, Pick(to)};
}

Session::Change Session::Restore(RowHistory::Shown shown) {
  boxes_ = std::move(shown.boxes);
  result_ = std::move(shown.result);
  calculatedFrom_ = std::move(shown.calculatedFrom);
  picked_ = 0;
  typedSinceProgramEdit_ = false;
  return Change::kRestored;
}

Session::Change Session::Undo() {
  auto shown = history_.Undo(Now());
  return shown ? Restore(std::move(*shown)) : Change::kNone;
}

Session::Change Session::Redo() {
  auto shown = history_.Redo(Now());
  return shown ? Restore(std::move(*shown)) : Change::kNone;
}

// The candidates count only while they are drawn.
view::Bounds Session::FigureBounds() const {
  const std::span<const candidates::Candidate> drawn =
      IsOutOfDate() ? std::span<const candidates::Candidate>() : std::span(result_.candidates);
  return view::FigureBounds(ViewsOf(boxes_), result_.captions, drawn);
}

void Session::Fit() { view_.Fit(FigureBounds()); }

void Session::Draw(view::DrawSurface& surface) const { Draw(surface, view_.Window()); }

void Session::Draw(view::DrawSurface& surface, const view::CoordinateWindow& visible) const {
  const auto look = IsOutOfDate() ? view::AnswerLook::kOutOfDate : view::AnswerLook::kCurrent;
  view::Drawing(surface, ViewsOf(boxes_), result_.captions, visible, look, result_.candidates).Redraw();
}

}  // namespace draftcalc::session
