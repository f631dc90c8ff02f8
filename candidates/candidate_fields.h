#pragma once

#include <array>
#include <string>
#include <string_view>

#include "candidates/candidate.h"

namespace draftcalc::candidates {

// The fields of a candidate as draftcalc-cli --all writes them after the
// answer columns (one output record per candidate of the input record), and
// as the Python module gives them.
// The touching points come last, T1 to T3 in the order of Candidate::touches.
inline constexpr std::array<std::string_view, 12> kCandidateColumns = {"cand",    "candX",   "candY",   "candA",
                                                                       "candR",   "candSet", "candT1X", "candT1Y",
                                                                       "candT2X", "candT2Y", "candT3X", "candT3Y"};
// The columns before the touching points (the Python module gives those as
// pairs of numbers).
inline constexpr size_t kCandidateColumnsBeforeTouches = 6;
static_assert(kCandidateColumns.size() == kCandidateColumnsBeforeTouches + 2 * kMaxTouches);
using CandidateFields = std::array<std::string, kCandidateColumns.size()>;

// A candidate's fields: its number; X and Y; A where it has a direction and
// R where it is a circle, else empty (numbers as the shortest texts that read
// back to the same doubles); the edits that select it as box words ("" for
// the answer, "-" when no edits give it); X and Y of each touching point,
// empty where it has fewer.
CandidateFields FieldsOf(const Candidate& candidate);
// A record without candidates: cand "0" and the others empty.
CandidateFields NoCandidateFields();

}  // namespace draftcalc::candidates
