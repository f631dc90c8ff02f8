#pragma once

#include <pybind11/pybind11.h>

#include <vector>

#include "candidates/candidate.h"
#include "core/calculation_id.h"
#include "core/result_captions.h"

// The results as numbers: the named tuples of draftcalc._types, made from
// the same texts as the result dicts, each text read as the float it shows.

namespace draftcalc::python {

// The catalogue number of a calculation as a str ("3.4"; "" for none),
// each made once and kept.
pybind11::handle CalculationObject(CalculationId id);

// draftcalc.Numbers: x, y, a, r (float or None), remark, calculation ("3.4"),
// and `texts`, the answer dict made from the same captions.
pybind11::object NumbersOf(const ResultCaptions& captions, CalculationId ran, pybind11::dict texts);

// draftcalc.CandidateNumbers of each candidate, in their order.
pybind11::list CandidateNumbersOf(const std::vector<candidates::Candidate>& found);

}  // namespace draftcalc::python
