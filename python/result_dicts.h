#pragma once

#include <pybind11/pybind11.h>

#include <vector>

#include "candidates/candidate.h"
#include "core/result_captions.h"

// The results as Python objects: dicts keyed by the CSV column names, every
// value the same text draftcalc-cli writes.

namespace draftcalc::python {

// {"ansX": ..., "ansY": ..., "ansA": ..., "ansR": ..., "ansRem": ...}
pybind11::dict AnswerDict(const ResultCaptions& captions);

// One dict per candidate, in their order, keyed "cand", "candX", "candY",
// "candA", "candR", "candSet"; empty when there are none.
pybind11::list CandidateDicts(const std::vector<candidates::Candidate>& found);

// The keys of those dicts, in order.
pybind11::tuple AnswerKeys();
pybind11::tuple CandidateKeys();

}  // namespace draftcalc::python
