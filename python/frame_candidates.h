#pragma once

#include <pybind11/pybind11.h>

#include <array>
#include <string_view>

#include "candidates/candidate_fields.h"
#include "python/frame_answers.h"

namespace draftcalc::python {

// The columns candidates_frame writes: those of calculate_frame, then the
// --all columns.
inline constexpr auto kCandidateFrameColumns = [] {
  std::array<std::string_view, kFrameColumns.size() + candidates::kCandidateColumns.size()> columns{};
  size_t i = 0;
  for (std::string_view name : kFrameColumns) columns[i++] = name;
  for (std::string_view name : candidates::kCandidateColumns) columns[i++] = name;
  return columns;
}();

// One output row per candidate of each row, in row order, and one with
// cand 0 for a row without candidates, as draftcalc-cli --all writes them:
// (the input row of each output row as an int64 array, numpy arrays by
// column name). The columns of CalculateColumns as numbers, then cand
// (int64), candX, candY, candA, candR (float64, NaN where empty), candSet
// (str) and candT1X .. candT3Y (float64). The columns as for
// CalculateColumns; the search runs without the GIL.
pybind11::tuple CandidateColumns(pybind11::list columns, size_t rows, pybind11::handle missing);

}  // namespace draftcalc::python
