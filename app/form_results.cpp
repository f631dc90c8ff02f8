// The window's calculation and what follows from it: the results and
// whether they still belong to the rows, the candidates, Clear and its
// undo, copying the answer, the help.
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

#include "app/catalogue.h"
#include "app/form_miret.h"
#include "app/look.h"
#include "candidates/candidate.h"
#include "core/result_fields.h"
#include "engine/calculation.h"

namespace draftcalc::app {

void Form_miret::butStart_Click() {
  clearUndo_.Forget();
  Calculate();
}

// The candidates are found here only, never as the rows are typed: they
// are those of the rows that were calculated.
void Form_miret::Calculate() {
  BoxTexts texts;
  ReadBoxes(texts);
  RunCalculation(calc, texts.views);
  candidates_ = candidates::FindCandidates(texts.views);
  candidatePanel->Show(candidates_);
  freshness_.Calculated(CurrentRows());
  ShowResults();
  ShowCalculationThatRan();
  FitIfAnswerHidden();
  Redraw();
  AddToHistory();
}

// Resets the boxes and empties the results and the picture; Ctrl+Z brings
// the rows back until they are next changed.
void Form_miret::butCLR_Click() {
  const RowTexts before = CurrentRows();
  SetRows(StartupRows());
  // A second Clear empties nothing: Ctrl+Z still brings back what the first emptied.
  if (before != StartupRows() || !clearUndo_.CanRestore()) clearUndo_.Remember(before);
  ClearResults(calc);
  candidates_.clear();
  candidatePanel->Show(candidates_);
  freshness_.Cleared();
  ShowResults();
  StatusPanel2->clear();
  Redraw();
  inpX[0]->setFocus();
}

void Form_miret::ShowResults() {
  answers_->Show(calc.captions);
  ShowFreshness();
}

// The catalogue entry of the calculation that ran, selected and named in the
// status bar: 3.1 and 3.2 share their rows, and only the geometry decides.
void Form_miret::ShowCalculationThatRan() {
  StatusPanel2->setText(Utf8(CatalogueTitle(calc.ran)));
  if (calc.ran == CalculationId::kNone) return;
  List1->setCurrentRow(CatalogueTitleIndex(calc.ran));
  List1->scrollToItem(List1->currentItem(), QAbstractItemView::PositionAtTop);
}

// The picture follows the rows as they are typed, so that it never shows
// rows and an answer that do not belong together without saying so. The
// repaint is scheduled: a burst of edits paints once.
void Form_miret::RowsEdited() {
  if (settingRows_) return;
  clearUndo_.Forget();
  ShowFreshness();
  Picture1->update();
}

// Greys the results (and with them the drawn answer) while the rows differ
// from the ones calculated, and makes them current again when they match.
void Form_miret::ShowFreshness() {
  const bool outOfDate = freshness_.IsOutOfDate(CurrentRows());
  if (outOfDate != answers_->IsOutOfDate()) answers_->SetOutOfDate(outOfDate);
  ShowCandidateFreshness(outOfDate);
  EnableCopyActions();
}

void Form_miret::CopyAnswerLine() { QGuiApplication::clipboard()->setText(answers_->AnswerLine()); }

bool Form_miret::UndoClear() {
  const auto rows = clearUndo_.Take();
  if (!rows) return false;
  SetRows(*rows);
  Redraw();
  return true;
}

// Ctrl+Z in an input box right after Clear undoes the Clear, not the box's
// own last edit (it has none: Clear set its text). A CSV file dropped on a
// box opens it.
bool Form_miret::eventFilter(QObject* watched, QEvent* event) {
  if (TakeFileDrop(event)) return true;
  if (event->type() == QEvent::KeyPress && clearUndo_.CanRestore() &&
      static_cast<QKeyEvent*>(event)->matches(QKeySequence::Undo)) {
    return UndoClear();
  }
  return QWidget::eventFilter(watched, event);
}

void Form_miret::ShowHelp() {
  if (help_ == nullptr) help_ = new HelpWindow(this);
  help_->show();
  help_->raise();
  help_->activateWindow();
}

void Form_miret::ShowAbout() {
  if (about_ == nullptr) about_ = new AboutWindow(this);
  about_->show();
  about_->raise();
  about_->activateWindow();
}

}  // namespace draftcalc::app
