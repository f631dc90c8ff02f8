#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "candidates/candidate.h"
#include "core/box_texts.h"
#include "core/calc_state.h"
#include "i18n/translation.h"
#include "session/picture_view.h"
#include "session/result.h"
#include "session/row_history.h"
#include "view/bounds.h"
#include "view/draw_surface.h"

namespace draftcalc::session {

// One calculator as the window and the page both run it: the 24 box texts,
// the result of the last calculation and whether it still belongs to them,
// the candidate picked, the undo history of the program's edits of the rows,
// and the view of the picture. The front ends keep only their widgets or
// DOM: they hand over what the user typed and did, and show what this says.
class Session {
 public:
  // What an action did, for the front end to show: nothing, new rows only,
  // new rows calculated (a new result, to add to a history), or rows and
  // result as they were before (an undo or a redo: no new result).
  enum class Change { kNone, kRows, kCalculated, kRestored };

  // `twipsPerPixel` of the picture (see PictureView).
  explicit Session(double twipsPerPixel);

  const BoxTexts& Boxes() const { return boxes_; }
  // What the user typed into a box. It is no program edit: the box's own
  // undo takes it back, and the edits undone before can no more be redone.
  void Type(size_t box, std::string text);
  // New rows from the program (a record opened, one restored from the
  // history): undone by Undo. Does not calculate.
  Change SetRows(const BoxTexts& boxes);

  // Calculates the rows as they stand and finds their candidates; fits the
  // view when part of the figure would lie outside it (see FitsAfterCalculation).
  Change Calculate();
  // The language of the explanations (English at first); the shown one is
  // said again in the new language.
  void SetLanguage(i18n::Language language);
  i18n::Language Language() const { return language_; }
  // The start-up rows, no result; undone by Undo.
  Change Clear();
  // Candidate `number` (1..n) becomes the one picked; when its edits give it,
  // they are written into the rows (undone by Undo) and the rows calculated.
  // Nothing while the result is out of date.
  Change Pick(int number);
  // Picks the candidate `step` places after the one picked (after the answer
  // when none is); past either end it wraps round when `wrap`, and otherwise
  // picks nothing: the number picked (0 for none) and what picking it did.
  struct Stepped {
    int number = 0;
    Change change = Change::kNone;
  };
  Stepped Step(int step, bool wrap);
  int Picked() const { return picked_; }

  // Candidate `number` (1..n) written into input row `row` (0..2) as the
  // element it is (see candidates::RowTextsOf), undone by Undo; the rows are
  // not calculated: the next calculation is the user's to complete. Nothing
  // while the result is out of date.
  Change UseAsRow(int number, int row);

  // The result's suggested edit written into the rows (undone by Undo) and
  // the rows calculated. Nothing while there is none or it is out of date.
  Change ApplyFix();

  // How a box is read when the calculation does not read its text whole
  // ("read as 8: the text after \"8\" is ignored"); nothing when it does.
  std::optional<std::string> PartialReading(size_t box) const;

  // Back to the rows before the last program edit, and the result shown with
  // them; and forward again.
  Change Undo();
  Change Redo();
  bool CanUndo() const { return history_.CanUndo(); }
  bool CanRedo() const { return history_.CanRedo(); }
  // Whether a box was typed into since the program last set the rows: the
  // page then leaves Ctrl+Z to the browser's own undo of the typing.
  bool TypedSinceProgramEdit() const { return typedSinceProgramEdit_; }

  // The result shown: that of the last calculation, empty after Clear.
  const Result& Shown() const { return result_; }
  // A result is shown and the rows are the ones it was calculated from:
  // typing the calculated values back makes it current again.
  bool HasResult() const { return calculatedFrom_.has_value(); }
  bool IsOutOfDate() const { return calculatedFrom_ && *calculatedFrom_ != boxes_; }

  PictureView& View() { return view_; }
  const PictureView& View() const { return view_; }
  // After each calculation the view fits the figure whenever part of it would
  // lie outside (on at first). The window asks its setting only when a
  // calculation needs it: reading it costs start-up time.
  void SetFitAfterCalculation(bool fit) {
    fitAfterCalculation_ = [fit] { return fit; };
  }
  void AskFitAfterCalculation(std::function<bool()> ask) { fitAfterCalculation_ = std::move(ask); }
  bool FitsAfterCalculation() const { return fitAfterCalculation_(); }
  // The view fitted to the figure as drawn now.
  void Fit();
  // Fitted when fitting after calculation is on and part of the figure lies
  // outside the view: as Calculate does, again after the picture's size
  // changed with what the result shows beside it.
  void FitAfterCalculation();
  // What a fit shows: the rows, and the answer and candidates while current.
  view::Bounds FigureBounds() const;

  // Draws the picture of the rows, the result and its candidates within the
  // view (a result out of date grey, its candidates left out).
  void Draw(view::DrawSurface& surface) const;
  // The same within `visible`, for an export.
  void Draw(view::DrawSurface& surface, const view::CoordinateWindow& visible) const;

 private:
  void Remember();
  RowHistory::Shown Now() const { return {boxes_, result_, calculatedFrom_}; }
  Change Restore(RowHistory::Shown shown);
  Change Edit(const std::vector<candidates::BoxEdit>& edits);

  BoxTexts boxes_ = StartupBoxTexts();
  Result result_;
  std::optional<BoxTexts> calculatedFrom_;  // none while no result is shown
  i18n::Language language_ = i18n::Language::kEnglish;
  int picked_ = 0;
  RowHistory history_;
  bool typedSinceProgramEdit_ = false;
  PictureView view_;
  std::function<bool()> fitAfterCalculation_ = [] { return true; };
};

}  // namespace draftcalc::session
