#pragma once

#include <optional>
#include <vector>

#include "candidates/candidate.h"
#include "core/calc_state.h"

namespace draftcalc::candidates {

// An answer as the captions show it, read back with the calculation's own
// leading-number parse.
struct ShownAnswer {
  geometry::Point point;
  std::optional<double> direction;  // ansA, degrees
  std::optional<double> radius;     // |ansR|
};

// The answer the captions show; nothing when they show a remark (the
// circle-and-tangent construction shows its tangent beside one, but no
// circle) or no point.
std::optional<ShownAnswer> ShownAnswerOf(const ResultCaptions& captions);

// Which geometric answer a shown answer is: the nearest by position, in
// units of the figure's size (its extent around row 1's point: the
// elements, the radii and the answers), never of the coordinates'
// magnitude, so that answers a few units apart stay apart however far the
// figure lies from the origin. The direction only tells apart answers at the
// same point (the tangents from one point).
//
// How far a shown answer may lie from it. The captions round X and Y to 4
// places (the tangent calculations to whole numbers, which is allowed for
// besides) and angles to 4 or 5; the calculation's 6-place degree functions
// with their short pi put points off by a part of the figure's size, more
// where it finds a touching point as the meeting of a line and a circle
// that touch (an error of the square root); and where it writes a line
// through a far point in its own form, by a part of that distance from the
// origin. Measured over 20,000 generated inputs of every calculation at 0,
// 1e3, 1e6 and 1e9 from the origin (the nearest answer of the same family):
// up to 1.1 % of the figure's size and 1e-3 of the distance from the origin
// near it, and, far out, up to 6e-5 of that distance. So a shown answer is
// the nearest candidate of the calculation that ran within
// - max(2e-3, 5e-2 * size, 1e-4 * its distance from the origin), its radius
//   as well, and its direction within 1e-3 degrees;
// - for a result shown with an S of 0, which by design lies between two
//   answers (the middle of a chord, a point on the line of centres, a circle
//   neither grown nor shrunk), only within max(2e-3, 2e-6 * size, 1e-9 *
//   its distance from the origin): it is an answer only where the two
//   coincide.
inline constexpr double kPointTolerance = 2e-3;
inline constexpr double kPointToleranceRelative = 5e-2;
inline constexpr double kOriginToleranceRelative = 1e-4;
inline constexpr double kExactToleranceRelative = 2e-6;
inline constexpr double kExactOriginToleranceRelative = 1e-9;
inline constexpr double kAngleTolerance = 1e-3;

// How closely a shown answer must lie: as shown, or between two answers (an S of 0).
enum class Closeness { kShown, kBetweenTwoAnswers };

// The index of the candidate of calculation `ran` that the shown answer is,
// by the rule above; nothing when none is near. The directions of tangents
// are compared as lines (a direction a half turn off is the same line), the
// angle of two points as a direction.
std::optional<size_t> MatchingCandidate(const ShownAnswer& shown, CalculationId ran,
                                        const std::vector<Candidate>& candidates, double figureSize,
                                        Closeness closeness);

}  // namespace draftcalc::candidates
