#pragma once

#include <array>
#include <string>

#include "core/input_texts.h"

namespace draftcalc {

// The texts of the 24 input boxes as the programs keep them (the window's
// session, the page, the history, files of rows): row by row, each row in
// column order X Y D A B C R S. The calculation reads them through views
// (InputTexts, ViewsOf).
inline constexpr size_t kBoxCount = kRowCount * kColumnCount;
using BoxTexts = std::array<std::string, kBoxCount>;

inline constexpr size_t BoxIndex(int row, Column column) { return static_cast<size_t>(row * kColumnCount + column); }

// The boxes as the window shows them at start-up and after Clear.
inline BoxTexts StartupBoxTexts() {
  BoxTexts boxes;
  for (int row = 0; row < kRowCount; ++row) {
    for (int column = 0; column < kColumnCount; ++column) {
      boxes[BoxIndex(row, static_cast<Column>(column))] = StartupText(row, static_cast<Column>(column));
    }
  }
  return boxes;
}

// Views of the texts for a calculation; the texts must outlive them.
inline InputTexts ViewsOf(const BoxTexts& boxes) {
  InputTexts texts;
  for (int row = 0; row < kRowCount; ++row) {
    for (int column = 0; column < kColumnCount; ++column) {
      texts(row, static_cast<Column>(column)) = boxes[BoxIndex(row, static_cast<Column>(column))];
    }
  }
  return texts;
}

}  // namespace draftcalc
