#pragma once

#include <optional>
#include <utility>

#include "app/row_texts.h"

// Rows the window keeps besides the boxes: those the results were calculated
// from, and those Clear emptied.

namespace draftcalc::app {

// Whether the results shown still belong to the input rows: each calculation
// keeps the rows it was given, and the results are out of date while the
// boxes hold anything else. Typing a box back to what was calculated makes
// them current again.
class ResultFreshness {
 public:
  void Calculated(RowTexts rows) { calculatedFrom_ = std::move(rows); }
  void Cleared() { calculatedFrom_.reset(); }
  bool IsOutOfDate(const RowTexts& rows) const { return calculatedFrom_ && *calculatedFrom_ != rows; }

 private:
  std::optional<RowTexts> calculatedFrom_;  // none while no results are shown
};

// Ctrl+Z right after Clear brings back the rows that Clear emptied. Any
// other change to the boxes, or a calculation, forgets them.
class ClearUndo {
 public:
  void Remember(RowTexts beforeClear) { rows_ = std::move(beforeClear); }
  void Forget() { rows_.reset(); }
  bool CanRestore() const { return rows_.has_value(); }
  std::optional<RowTexts> Take() { return std::exchange(rows_, std::nullopt); }

 private:
  std::optional<RowTexts> rows_;
};

}  // namespace draftcalc::app
