#pragma once

#include <pybind11/pybind11.h>

namespace draftcalc::python {

// The module's part for DataFrames (draftcalc/_frames.py is the rest):
// _frame_header, _calculate_columns and _candidate_columns, and the
// constants FRAME_COLUMNS and CANDIDATE_FRAME_COLUMNS.
void DefineFrameFunctions(pybind11::module_& module);

}  // namespace draftcalc::python
