#pragma once

#include <optional>
#include <utility>

#include "app/row_texts.h"

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

}  // namespace draftcalc::app
