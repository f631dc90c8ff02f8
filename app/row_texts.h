#pragma once

#include <QString>
#include <array>
#include <string_view>

#include "core/input_texts.h"
#include "csv/input_set.h"

namespace draftcalc::app {

// The texts of the 24 input boxes, row by row, each row in column order.
using RowTexts = std::array<QString, kRowCount * kColumnCount>;

// The boxes as the window shows them at start-up and after Clear.
inline RowTexts StartupRows() {
  RowTexts rows;
  for (int row = 0; row < kRowCount; ++row) {
    for (int column = 0; column < kColumnCount; ++column) {
      const std::string_view text = StartupText(row, static_cast<Column>(column));
      rows[static_cast<size_t>(row * kColumnCount + column)] =
          QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }
  }
  return rows;
}

// The same texts in UTF-8, as CSV files and the calculation take them, and back.
inline csv::BoxTexts Utf8Texts(const RowTexts& rows) {
  csv::BoxTexts texts;
  for (size_t i = 0; i < rows.size(); ++i) texts[i] = rows[i].toStdString();
  return texts;
}

inline RowTexts RowTextsOf(const csv::BoxTexts& texts) {
  RowTexts rows;
  for (size_t i = 0; i < rows.size(); ++i) {
    rows[i] = QString::fromUtf8(texts[i].data(), static_cast<qsizetype>(texts[i].size()));
  }
  return rows;
}

}  // namespace draftcalc::app
