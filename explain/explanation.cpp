#include "explain/explanation.h"

#include "candidates/candidate_text.h"

namespace draftcalc::explain {
namespace {

candidates::Candidate AsCandidate(const Explanation& explanation) {
  candidates::Candidate candidate;
  candidate.reachable = true;
  candidate.edits = explanation.fix;
  return candidate;
}

}  // namespace

std::string FixAsBoxWords(const Explanation& explanation) {
  return explanation.fix.empty() ? std::string() : candidates::EditsAsBoxWords(AsCandidate(explanation));
}

std::string FixInWords(const Explanation& explanation) {
  return explanation.fix.empty() ? std::string() : candidates::EditsInWords(AsCandidate(explanation));
}

}  // namespace draftcalc::explain
