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

double AngleTo(const ShownAnswer& shown, const Candidate& candidate) {
  return geometry::AngleBetween(*shown.direction, *candidate.direction, DirectionIsOfATangent(candidate.calculation));
}

// How far the shown answer lies from the candidate, the captions' rounding
// of a tangent's touching point allowed for; nothing when the radius or the
// direction (where both have one) is beyond the tolerance.
std::optional<double> DistanceTo(const ShownAnswer& shown, const Candidate& candidate, double tolerance) {
  // The tangent calculations show their touching point to the nearest whole number.
  const double rounding = IsTangentLine(candidate.calculation) ? 0.5 : 0;
  const double dx = std::max(0.0, std::fabs(shown.point.x - candidate.point.x) - rounding);
  const double dy = std::max(0.0, std::fabs(shown.point.y - candidate.point.y) - rounding);
  if (shown.radius && candidate.radius && std::fabs(*shown.radius - *candidate.radius) > tolerance) return std::nullopt;
  if (shown.direction && candidate.direction && AngleTo(shown, candidate) > kAngleTolerance) return std::nullopt;
  return std::hypot(dx, dy);
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
                                        const std::vector<Candidate>& candidates, double figureSize,
                                        Closeness closeness) {
  const bool shownAsIs = closeness == Closeness::kShown;
  const double fromOrigin = geometry::Magnitude(shown.point);
  const double tolerance =
      std::max({kPointTolerance, (shownAsIs ? kPointToleranceRelative : kExactToleranceRelative) * figureSize,
                (shownAsIs ? kOriginToleranceRelative : kExactOriginToleranceRelative) * fromOrigin});
  // Points closer than this are one point: the direction tells them apart.
  const double samePoint = geometry::kMergeTolerance * std::max(figureSize, fromOrigin);
  std::optional<size_t> nearest;
  double nearestDistance = 0;
  for (size_t i = 0; i < candidates.size(); ++i) {
    if (candidates[i].calculation != ran) continue;
    const auto distance = DistanceTo(shown, candidates[i], tolerance);
    if (!distance || *distance > tolerance) continue;
    bool nearer = !nearest || *distance < nearestDistance - samePoint;
    if (!nearer && *distance <= nearestDistance + samePoint && shown.direction && candidates[i].direction) {
      nearer = AngleTo(shown, candidates[i]) < AngleTo(shown, candidates[*nearest]);
    }
    if (nearer) {
      nearest = i;
      nearestDistance = *distance;
    }
  }
  return nearest;
}

}  // namespace draftcalc::candidates
