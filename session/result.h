#pragma once

#include <vector>

#include "candidates/candidate.h"
#include "core/calc_state.h"

namespace draftcalc::session {

// What a calculation found: the five captions, the calculation that ran and
// every answer of its construction.
struct Result {
  ResultCaptions captions;
  CalculationId ran = CalculationId::kNone;
  std::vector<candidates::Candidate> candidates;

  // The candidate the captions show, 1..n; 0 when none does.
  int AnswerNumber() const;
};

}  // namespace draftcalc::session
