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

// How far a shown answer may lie from the geometric answer it is. The
// captions round X and Y to 4 places (the tangent calculations to whole
// numbers, which is allowed for besides) and angles to 4 or 5; the 6-place
// degree functions with their short pi put points off by about 1e-6 of the
// figure's size and distance from the origin. Where the calculation finds a
// circle touching at one point as the meeting of a line and a circle that
// touch (the circles at a tangent's touching point, any nearly touching
// figure), that error grows to its square root times the radius; and the
// 6-place cosine of a nearly vertical line moves its offset by a visible
// part of it. Measured over generated inputs, the shown answers lie up to
// about 2 % of the scale from the nearest geometric answer. So:
// - a result is the nearest candidate of the calculation that ran within
//   max(2e-3, 5e-2 * scale), and an angle within 1e-3 degrees;
// - a result shown with an S of 0, which by design lies between two answers
//   (the middle of a chord, a point on the line of centres, a circle neither
//   grown nor shrunk), only within max(2e-3, 2e-6 * scale): it is an answer
//   only where the two coincide.
// The scale is the figure's, or the candidate's own distance from the
// origin or its radius, whichever is largest.
inline constexpr double kPointTolerance = 2e-3;
inline constexpr double kPointToleranceRelative = 5e-2;
inline constexpr double kExactToleranceRelative = 2e-6;
inline constexpr double kAngleTolerance = 1e-3;

// How closely a shown answer must lie: kPointToleranceRelative, or
// kExactToleranceRelative for a result shown with an S of 0.
enum class Closeness { kShown, kBetweenTwoAnswers };

// The index of the candidate of calculation `ran` that the shown answer is:
// the nearest within the tolerance (relative to it), the first of equals;
// nothing when none is near. The directions of tangents are compared as
// lines (a direction a half turn off is the same line), the angle of two
// points as a direction.
std::optional<size_t> MatchingCandidate(const ShownAnswer& shown, CalculationId ran,
                                        const std::vector<Candidate>& candidates, double figureScale,
                                        Closeness closeness);

}  // namespace draftcalc::candidates
