#include "candidates/candidate_fields.h"

#include "candidates/candidate_text.h"

namespace draftcalc::candidates {
namespace {

std::string OptionalNumber(const std::optional<double>& value) {
  return value ? ShortestNumberText(*value) : std::string();
}

}  // namespace

CandidateFields FieldsOf(const Candidate& candidate) {
  CandidateFields fields = {std::to_string(candidate.number),       // cand
                            ShortestNumberText(candidate.point.x),  // candX
                            ShortestNumberText(candidate.point.y),  // candY
                            OptionalNumber(candidate.direction),    // candA
                            OptionalNumber(candidate.radius),       // candR
                            EditsAsBoxWords(candidate)};            // candSet
  size_t field = kCandidateColumnsBeforeTouches;
  for (size_t t = 0; t < candidate.touches.size() && t < kMaxTouches; ++t) {
    fields[field++] = ShortestNumberText(candidate.touches[t].x);
    fields[field++] = ShortestNumberText(candidate.touches[t].y);
  }
  return fields;
}

CandidateFields NoCandidateFields() { return {"0"}; }

}  // namespace draftcalc::candidates
