#pragma once

#include <optional>
#include <vector>

#include "core/box_texts.h"
#include "session/result.h"

namespace draftcalc::session {

// The undo history of the rows as the program changed them (Clear, a
// candidate picked, a record opened or restored): each entry what was shown
// before the change, the rows with the result and the rows it was calculated
// from, so that undoing gives back exactly that. Undo gives back the latest
// and keeps what it replaces for Redo; a new change forgets what could be
// redone.
class RowHistory {
 public:
  struct Shown {
    BoxTexts boxes;
    Result result;
    std::optional<BoxTexts> calculatedFrom;  // none while no result is shown
  };

  // Kept at most: older changes drop out.
  static constexpr size_t kMostKept = 200;

  void Changing(Shown before);
  // What to go back to, now `current` is left for it; nothing when none.
  std::optional<Shown> Undo(Shown current);
  std::optional<Shown> Redo(Shown current);
  void ForgetRedo() { redo_.clear(); }
  bool CanUndo() const { return !undo_.empty(); }
  bool CanRedo() const { return !redo_.empty(); }

 private:
  std::vector<Shown> undo_, redo_;
};

}  // namespace draftcalc::session
