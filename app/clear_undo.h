#pragma once

#include <optional>
#include <utility>

#include "app/row_texts.h"

namespace draftcalc::app {

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
