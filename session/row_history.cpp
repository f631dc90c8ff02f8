#include "session/row_history.h"

#include <utility>

namespace draftcalc::session {

void RowHistory::Changing(Shown before) {
  if (undo_.size() == kMostKept) undo_.erase(undo_.begin());
  undo_.push_back(std::move(before));
  redo_.clear();
}

std::optional<RowHistory::Shown> RowHistory::Undo(Shown current) {
  if (undo_.empty()) return std::nullopt;
  Shown rows = std::move(undo_.back());
  undo_.pop_back();
  redo_.push_back(std::move(current));
  return rows;
}

std::optional<RowHistory::Shown> RowHistory::Redo(Shown current) {
  if (redo_.empty()) return std::nullopt;
  Shown rows = std::move(redo_.back());
  redo_.pop_back();
  undo_.push_back(std::move(current));
  return rows;
}

}  // namespace draftcalc::session
