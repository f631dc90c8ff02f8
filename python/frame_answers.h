#pragma once

#include <pybind11/pybind11.h>

#include <array>
#include <string_view>

#include "csv/box_columns.h"

namespace draftcalc::python {

// The column a frame of answers has after ansX .. ansRem: the catalogue
// number of the calculation that ran ("3.4"; "" when the codes choose none).
inline constexpr std::string_view kCalculationColumn = "ansCalc";

// The columns calculate_frame writes: the answers as numbers, then the calculation.
inline constexpr std::array<std::string_view, 6> kFrameColumns = {csv::kAnswerColumns[0], csv::kAnswerColumns[1],
                                                                  csv::kAnswerColumns[2], csv::kAnswerColumns[3],
                                                                  csv::kAnswerColumns[4], kCalculationColumn};

// The answers of `rows` rows whose box columns are given as (box number,
// label, numpy array) triples (see BoxColumnsOf): numpy arrays by column
// name. As numbers: ansX .. ansR float64 (NaN where the caption is empty),
// ansRem and ansCalc str objects. With `texts`: ansX .. ansRem, the captions
// as draftcalc-cli writes them. The rows are calculated without the GIL.
pybind11::dict CalculateColumns(pybind11::list columns, size_t rows, bool texts, pybind11::handle missing);

}  // namespace draftcalc::python
