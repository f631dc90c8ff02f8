#include "view/candidate_markers.h"

#include <algorithm>

namespace draftcalc::view {
namespace {

bool SharesItsPoint(const candidates::Candidate& candidate, std::span<const candidates::Candidate> all) {
  return std::any_of(all.begin(), all.end(), [&](const candidates::Candidate& other) {
    return &other != &candidate && other.point == candidate.point;
  });
}

}  // namespace

std::vector<geometry::Point> MarkerPoints(std::span<const candidates::Candidate> candidates) {
  std::vector<geometry::Point> markers;
  markers.reserve(candidates.size());
  for (const candidates::Candidate& candidate : candidates) {
    const bool moveToSecond = candidate.secondTouch && SharesItsPoint(candidate, candidates);
    markers.push_back(moveToSecond ? *candidate.secondTouch : candidate.point);
  }
  return markers;
}

}  // namespace draftcalc::view
