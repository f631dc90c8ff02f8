#pragma once

#include <QString>
#include <QStringList>
#include <QTreeWidget>
#include <functional>
#include <span>

#include "candidates/candidate.h"

namespace draftcalc::app {

// The candidates of the last calculation as a list beside the picture, a
// row each: its number; X, Y and, where the answer has them, A and R in full
// precision, a line each; and the edits that select it, a line each ("the
// answer" for the one shown, "not reachable with these rows" for one that
// no edits give). Selecting a row with the mouse or the arrow keys asks the
// window to pick that candidate; Tab and Shift+Tab step to the next or the
// previous one, and past either end leave the list as usual.
class CandidatePanel final : public QTreeWidget {
 public:
  // `onPicked(number)`: the user selected candidate `number`.
  // `onStep(+1 or -1)`: Tab or Shift+Tab; returns false when there is no
  // candidate further that way.
  CandidatePanel(QWidget* parent, std::function<void(int)> onPicked, std::function<bool(int)> onStep);

  // The column captions in the language now installed (the rows follow
  // with the next Show).
  void Retranslate();
  // Lists the candidates, none selected.
  void Show(std::span<const candidates::Candidate> candidates);
  // Selects and shows the row of candidate `number` (0: none) without asking
  // for a pick.
  void Select(int number);
  // The selected candidate's number, 0 when none is selected.
  int SelectedNumber() const;
  // Candidate `number` as one tab-separated line in full precision: number,
  // X, Y, A, R, the edits in words (A and R empty where it has none), then X
  // and Y of each touching point; empty when there is no such candidate.
  QString Line(int number) const;
  QString SelectedLine() const { return Line(SelectedNumber()); }
  // Wide enough for a number of up to 17 significant digits with its sign
  // and label, the edits and a scroll bar, in pixels.
  int DesignWidth() const;
  // Said in the empty list, greyed ("No candidates: ..."); empty for nothing.
  void SetEmptyText(const QString& text);
  const QString& EmptyText() const { return emptyText_; }

 protected:
  bool focusNextPrevChild(bool next) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QString emptyText_;
  std::function<void(int)> onPicked_;
  std::function<bool(int)> onStep_;
};

}  // namespace draftcalc::app
