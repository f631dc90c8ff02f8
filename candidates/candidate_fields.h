#pragma once

#include <array>
#include <string>
#include <string_view>

#include "candidates/candidate.h"

namespace draftcalc::candidates {

// The fields of a candidate as draftcalc-cli --all writes them after the
// answer columns (one output record per candidate of the input record), and
// as the Python module gives them.
inline constexpr std::array<std::string_view, 6> kCandidateColumns = {"cand",  "candX", "candY",
                                                                      "candA", "candR", "candSet"};
using CandidateFields = std::array<std::string, kCandidateColumns.size()>;

// A candidate's fields: its number; X and Y; A where it has a direction and
// R where it is a circle, else empty (numbers as the shortest texts that read
// back to the same doubles); the edits that select it as box words ("" for
// the answer, "-" when no edits give it).
CandidateFields FieldsOf(const Candidate& candidate);
// A record without candidates: cand "0" and the other five empty.
CandidateFields NoCandidateFields();

}  // namespace draftcalc::candidates
