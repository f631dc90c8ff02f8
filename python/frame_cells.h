#pragma once

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/input_texts.h"
#include "csv/box_columns.h"
#include "python/text_runs.h"

// The box columns of a frame, and their cells copied out as box texts a run
// of rows at a time, so that the rows are calculated without the GIL while
// other threads may change or drop the frame.

namespace draftcalc::python {

// One column that feeds a box: its cells (a one-dimensional numpy array of
// objects, int64, uint64 or float64) and, for the run of rows under way,
// their texts.
struct BoxColumnCells {
  csv::BoxName box;
  std::string label;  // the column's name as messages show it: 'R2'
  pybind11::array cells;
  TextRun texts;
};

// The columns given as (box number in box order, label, array) triples, each
// array of `rows` cells. TypeError for an array of another kind or length.
std::vector<BoxColumnCells> BoxColumnsOf(pybind11::list columns, size_t rows);

// Copies the texts of rows [begin, end) of each column. A str is its text;
// None, a float NaN and `missing` (pandas.NA) an empty box; an int its
// decimal digits; a finite float the shortest text that reads back to the
// same double ("1.5", "1e-07"). Anything else (a bool, an infinite float, a
// bytes) raises TypeError or ValueError naming the row (from 0) and the
// column.
void ReadCells(std::vector<BoxColumnCells>& columns, size_t begin, size_t end, pybind11::handle missing);

// The box texts of row `index` of the run: the columns' texts, the other
// boxes left as they are in `texts` (their start-up texts).
inline void GiveRow(const std::vector<BoxColumnCells>& columns, size_t index, InputTexts& texts) {
  for (const BoxColumnCells& column : columns) texts(column.box.row, column.box.column) = column.texts[index];
}

// Runs `rows` rows in runs of `runRows`: for each run, its cells are read
// with the GIL, `calculate(begin, count)` runs without it, and
// `make(begin, count)` with it again, to make the run's Python objects.
template <class Calculate, class Make>
void InRuns(std::vector<BoxColumnCells>& columns, size_t rows, size_t runRows, pybind11::handle missing,
            Calculate calculate, Make make) {
  for (size_t begin = 0; begin < rows; begin += runRows) {
    const size_t count = std::min(runRows, rows - begin);
    ReadCells(columns, begin, begin + count, missing);
    {
      pybind11::gil_scoped_release released;
      calculate(begin, count);
    }
    make(begin, count);
  }
}

}  // namespace draftcalc::python
