#include "cli/candidate_columns.h"

#include "candidates/candidate_text.h"

namespace draftcalc::cli {
namespace {

std::string OptionalNumber(const std::optional<double>& value) {
  return value ? candidates::ShortestNumberText(*value) : std::string();
}

}  // namespace

CandidateFields FieldsOf(const candidates::Candidate& candidate) {
  return {std::to_string(candidate.number),
          candidates::ShortestNumberText(candidate.point.x),
          candidates::ShortestNumberText(candidate.point.y),
          OptionalNumber(candidate.direction),
          OptionalNumber(candidate.radius),
          candidates::EditsAsBoxWords(candidate)};
}

CandidateFields NoCandidateFields() { return {"0", "", "", "", "", ""}; }

}  // namespace draftcalc::cli
