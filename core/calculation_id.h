#pragma once

#include <string_view>

namespace draftcalc {

// The twelve calculations of the catalogue, in catalogue order, and kNone
// when the codes choose none (the order message). The codes alone choose
// among them, except two pairs that share their rows: two circles with a
// value row are an intersection when |C| <= 0.01, and a point, a value row
// and a circle take the through-the-point route or the tangent route as the
// distances decide.
enum class CalculationId : int {
  kNone,
  kAngleOfTwoPoints,                  // 1.1
  kTangentPointCircle,                // 1.2
  kTangentTwoCircles,                 // 1.3
  kTwoLines,                          // 2.1
  kLineAndCircle,                     // 2.2
  kTwoCircles,                        // 2.3
  kCircleThroughPointTouchingCircle,  // 3.1
  kCircleTouchingCircleAndTangent,    // 3.2
  kCircleTouchingLineAndCircle,       // 3.3
  kCircleTouchingTwoCircles,          // 3.4
  kCircleThroughThreePoints,          // 3.5
  kCircleTouchingThreeLines,          // 3.6
};
inline constexpr int kCalculationCount = 12;

// "1.1" .. "3.6" as the catalogue numbers them; empty for kNone.
constexpr std::string_view CatalogueNumber(CalculationId id) {
  constexpr std::string_view kNumbers[] = {"",    "1.1", "1.2", "1.3", "2.1", "2.2", "2.3",
                                           "3.1", "3.2", "3.3", "3.4", "3.5", "3.6"};
  return kNumbers[static_cast<int>(id)];
}

}  // namespace draftcalc
