#pragma once

#include <QAction>
#include <QPointF>
#include <array>
#include <functional>

#include "app/candidate_panel.h"
#include "app/context_menus.h"
#include "app/window_core.h"
#include "core/input_texts.h"

namespace draftcalc::app {

// The window's candidates: listed beside the picture after each calculation,
// picked by a click on a row or a marker or by Ctrl+Down / Ctrl+Up (the
// session writes their edits and calculates), copied by Ctrl+Shift+C. While
// the result is out of date the list is greyed and nothing can be picked.
class CandidatesFeature final {
 public:
  // `beforePick`: the window brings the candidates into view (the history
  // leaves the panel's place).
  CandidatesFeature(QWidget* window, WindowCore& core, ContextMenus& menus, std::function<void()> beforePick);

  CandidatePanel* Panel() const { return panel_; }
  // The candidates of the session's result, none selected.
  void ShowCandidates();
  // The panel's captions and words in the language now installed.
  void Retranslate();
  // Greyed and not to be picked while the result is out of date.
  void ShowFreshness(bool outOfDate);
  // Whether a candidate can be used as a row now.
  void EnableUseAsRow();
  void Pick(int number);
  // `step` places on from the one picked; see Session::Step.
  bool Step(int step, bool wrap);
  // A click on the picture at `pixel` (its position mapped by `pixelOf`):
  // picks the nearest marker within reach; false when none is.
  bool Click(QPointF pixel, const std::function<QPointF(double, double)>& pixelOf);
  // Whether Ctrl+Shift+C copies a candidate's line now (the list has the
  // focus and a selection); the answer's copy is enabled otherwise.
  bool CopiesCandidateLine() const;
  void EnableCopy(bool enabled) { copy_->setEnabled(enabled); }
  // "Use as row 1" .. "Use as row 3": the candidate picked written into that
  // row as the element it is (one undoable edit, not calculated); enabled
  // while one is picked and the result is current. In the panel's menu and
  // for the picture's.
  const std::array<QAction*, kRowCount>& UseAsRowActions() const { return useAsRow_; }
  void UseAsRow(int row);

 private:
  WindowCore& core_;
  std::function<void()> beforePick_;
  CandidatePanel* panel_ = nullptr;
  QAction *copy_ = nullptr, *next_ = nullptr, *previous_ = nullptr;
  std::array<QAction*, kRowCount> useAsRow_{};
};

}  // namespace draftcalc::app
