#include "candidates/answer_match.h"

#include <algorithm>
#include <cmath>

#include "core/number_parse.h"
#include "geometry/degrees.h"
#include "geometry/solution_set.h"

namespace draftcalc::candidates {
namespace {

using enum CalculationId;

std::optional<double> NumberIn(const std::string& caption) {
  if (caption.empty()) return std::nullopt;
  return ParseLeadingNumber(caption);
}

bool IsTangentLine(CalculationId id) { return id == kTangentPointCircle || id == kTangentTwoCircles; }

// Directions of tangent lines, where the calculation may walk the line the
// other way (a tangent at a point on the circle, a second element straight
// to the left); two different tangents through one point are never a half
// turn apart.
bool DirectionIsOfATangent(CalculationId id) { return IsTangentLine(id) || id == kCircleTouchingCircleAndTangent; }

// How far the shown answer is from the candidate, as a fraction of the
// tolerance: at most 1 when it may be that candidate.
double Remoteness(const ShownAnswer& shown, const Candidate& candidate, double figureScale, Closeness closeness) {
  const double scale = std::max({figureScale, geometry::Magnitude(candidate.point), candidate.radius.value_or(0)});
  const double relative = closeness == Closeness::kShown ? kPointToleranceRelative : kExactToleranceRelative;
  const double pointTolerance = std::max(kPointTolerance, relative * scale);
  // The tangent calculations show their touching point to the nearest whole number.
  const double rounding = IsTangentLine(candidate.calculation) ? 0.5 : 0;
  const double dx = std::max(0.0, std::fabs(shown.point.x - candidate.point.x) - rounding);
  const double dy = std::max(0.0, std::fabs(shown.point.y - candidate.point.y) - rounding);
  double remoteness = std::max(dx, dy) / pointTolerance;
  if (shown.radius && candidate.radius)
    remoteness = std::max(remoteness, std::fabs(*shown.radius - *candidate.radius) / pointTolerance);
  if (shown.direction && candidate.direction) {
    const double angle =
        geometry::AngleBetween(*shown.direction, *candidate.direction, DirectionIsOfATangent(candidate.calculation));
    remoteness = std::max(remoteness, angle / kAngleTolerance);
  }
  return remoteness;
}

}  // namespace

std::optional<ShownAnswer> ShownAnswerOf(const ResultCaptions& captions) {
  if (!captions.ansRem.empty() || captions.ansX.empty() || captions.ansY.empty()) return std::nullopt;
  const auto radius = NumberIn(captions.ansR);
  return ShownAnswer{{ParseLeadingNumber(captions.ansX), ParseLeadingNumber(captions.ansY)},
                     NumberIn(captions.ansA),
                     radius ? std::optional(std::fabs(*radius)) : std::nullopt};
}

std::optional<size_t> MatchingCandidate(const ShownAnswer& shown, CalculationId ran,
                                        const std::vector<Candidate>& candidates, double figureScale,
                                        Closeness closeness) {
  std::optional<size_t> nearest;
  double nearestRemoteness = 1;
  for (size_t i = 0; i < candidates.size(); ++i) {
    if (candidates[i].calculation != ran) continue;
    const double remoteness = Remoteness(shown, candidates[i], figureScale, closeness);
    if (remoteness <= nearestRemoteness && (!nearest || remoteness < nearestRemoteness)) {
      nearest = i;
      nearestRemoteness = remoteness;
    }
  }
  return nearest;
}

}  // namespace draftcalc::candidates
