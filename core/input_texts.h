#pragma once

#include <array>
#include <string_view>

namespace draftcalc {

// Columns of an input row, in the order they stand in the window.
enum Column : int { colX, colY, colD, colA, colB, colC, colR, colS };
inline constexpr int kColumnCount = 8;
inline constexpr int kRowCount = 3;
inline constexpr std::array<char, kColumnCount> kColumnLetters = {'X', 'Y', 'D', 'A', 'B', 'C', 'R', 'S'};

// The texts of the 24 input boxes: box[row][column], rows 0..2 (shown to the
// user as rows 1..3). The views must outlive the calculation that reads them.
struct InputTexts {
  std::array<std::array<std::string_view, kColumnCount>, kRowCount> box{};

  std::string_view& operator()(int row, Column column) { return box[static_cast<size_t>(row)][column]; }
  std::string_view operator()(int row, Column column) const { return box[static_cast<size_t>(row)][column]; }
};

// The boxes as the window shows them at start-up and after Clear: X and Y
// "0.000" in every row, the D code of row 3 "99" (row not used), all else empty.
inline std::string_view StartupText(int row, Column column) {
  if (column == colX || column == colY) return "0.000";
  if (column == colD && row == 2) return "99";
  return "";
}

inline InputTexts StartupTexts() {
  InputTexts texts;
  for (int row = 0; row < kRowCount; ++row)
    for (int column = 0; column < kColumnCount; ++column)
      texts(row, static_cast<Column>(column)) = StartupText(row, static_cast<Column>(column));
  return texts;
}

}  // namespace draftcalc
