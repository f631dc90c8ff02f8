#pragma once

#include <vector>

#include "candidates/candidate.h"
#include "core/calc_state.h"
#include "explain/explanation.h"

namespace draftcalc::session {

// What a calculation found: the five captions, the calculation that ran,
// every answer of its construction, and for a remark why there is no answer
// and the nearest input that gives one.
struct Result {
  ResultCaptions captions;
  CalculationId ran = CalculationId::kNone;
  std::vector<candidates::Candidate> candidates;
  explain::Explanation explanation;

  // Every remark reports a failure: the numbers beside it are no answer.
  bool Failed() const { return !captions.ansRem.empty(); }

  // The candidate the captions show, 1..n; 0 when none does.
  int AnswerNumber() const;
};

}  // namespace draftcalc::session
