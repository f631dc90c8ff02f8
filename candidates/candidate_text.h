#pragma once

#include <string>

#include "candidates/candidate.h"

// Texts of a candidate for the window's list and draftcalc-cli's --all
// columns. Pure functions of their arguments.

namespace draftcalc::candidates {

// The edits that select the candidate in the user's words, joined by ", "
// in box order: "C = -5" (the value row's C), "S3 = -1", "R1 = -10, S3 = 1", "row 1 reversed"
// (for both boxes of a reversed line); "" for the answer as typed;
// "not reachable with these rows" when no edits give it; "construction only"
// for an answer of a construction no calculation gives.
std::string EditsInWords(const Candidate& candidate);

// The edits as box=value words separated by single spaces in box order,
// boxes named by lower-case column letter and row number: "r3=-10 s3=-1",
// a reversed line as "a1=225 b1=-5"; "" for the answer as typed; "-" when
// no edits give it; "+" for an answer of a construction no calculation
// gives (a new answer rather than a missing one).
std::string EditsAsBoxWords(const Candidate& candidate);

// The shortest text that reads back (std::from_chars, or the calculation's
// own leading-number parse) to the same double: std::to_chars' shortest
// form (float_chars::ShortestText), so "0.1", "1e+20", "1.25e-07"; -0 is written "0". x must be finite.
std::string ShortestNumberText(double x);

}  // namespace draftcalc::candidates
