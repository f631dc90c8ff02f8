#pragma once

#include <QObject>
#include <QString>
#include <array>

#include "app/input_box.h"
#include "core/input_texts.h"

namespace draftcalc::app {

// The window's controls as the tests and benchmarks reach them: by object
// name ("x1" .. "s3", "calculate", "clear", "ansX", "zoomSlider", "picture",
// "hScroll", "cornerPanel", "candidates", "history", ...) and its actions
// ("undo", "redo", "fit", "showHistory", ...). The window keeps no public
// widget pointers; nullptr when there is none of that name.
template <class T = QObject>
T* Part(const QObject& window, const char* name) {
  return window.findChild<T*>(QString::fromLatin1(name));
}

// The input box of row 0..2 and a column.
inline InputBox* Box(const QObject& window, int row, Column column) {
  const char name[] = {static_cast<char>(kColumnLetters[column] - 'A' + 'a'), static_cast<char>('1' + row), '\0'};
  return Part<InputBox>(window, name);
}

// The eight boxes of a row, in column order.
inline std::array<InputBox*, kColumnCount> RowBoxes(const QObject& window, int row) {
  std::array<InputBox*, kColumnCount> boxes{};
  for (int column = 0; column < kColumnCount; ++column) {
    boxes[static_cast<size_t>(column)] = Box(window, row, static_cast<Column>(column));
  }
  return boxes;
}

}  // namespace draftcalc::app
