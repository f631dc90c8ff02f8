#pragma once

#include <string>
#include <vector>

#include "candidates/candidate.h"

namespace draftcalc::explain {

// Why a calculation shows a remark instead of an answer, in one sentence
// with the numbers that decide it, and the nearest input that gives an
// answer: the fewest box edits, each the smallest change (to the captions'
// four decimals) that gets past the limit. Both empty for an answer.
struct Explanation {
  std::string why;
  std::vector<candidates::BoxEdit> fix;

  bool operator==(const Explanation&) const = default;
};

// The fix as draftcalc-cli's box words ("r2=15 s3=-1"), and in the rows'
// words ("R2 = 15, S3 = -1"); empty when there is none.
std::string FixAsBoxWords(const Explanation& explanation);
std::string FixInWords(const Explanation& explanation);

}  // namespace draftcalc::explain
