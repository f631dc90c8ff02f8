#include "engine/dispatch.h"

#include <initializer_list>
#include <optional>
#include <utility>

#include "core/messages.h"
#include "engine/outcome_captions.h"
#include "solvers/solvers.h"

namespace draftcalc {
namespace {

using enum ElementKind;
using enum CalculationId;

// The calculation the second element's kind makes with the first, from the
// kinds that may follow it; kNone (the wrong order) for any other.
using Follower = std::pair<ElementKind, CalculationId>;
CalculationId Followed(ElementKind second, std::initializer_list<Follower> followers) {
  for (const auto& [kind, id] : followers) {
    if (kind == second) return id;
  }
  return kNone;
}

// Two elements: each first kind, with the kinds that may follow it.
CalculationId TwoElementCalculation(ElementKind first, ElementKind second) {
  switch (first) {
    case kPoint:
      return Followed(second, {{kPoint, kAngleOfTwoPoints}, {kCircle, kTangentPointCircle}});
    case kCircle:
      return Followed(second, {{kPoint, kTangentPointCircle}, {kCircle, kTangentTwoCircles}, {kLine3, kLineAndCircle}});
    case kLine1:
    case kLine3:
      return Followed(second, {{kLine2, kTwoLines}, {kLine3, kTwoLines}, {kCircle, kLineAndCircle}});
    case kLine2:
    case kValueRow:
      return kNone;
  }
  return kNone;  // not reached: every kind has its case
}

// Three elements with a value row second: a circle of radius C touching the
// first element and a circle third (two circles: whatever the third). The
// rows shared by two calculations are told apart by C, or by how far the
// point lies from the circle.
std::optional<CalculationId> ValueRowCalculation(ElementKind first, ElementKind third, const CalcState& s) {
  switch (first) {
    case kCircle:
      return IsIntersectionRadius(s.elemB[s.elemNo + 1]) ? kTwoCircles : kCircleTouchingTwoCircles;
    case kLine1:
    case kLine3:
      if (third != kCircle) return std::nullopt;
      return kCircleTouchingLineAndCircle;
    case kPoint:
      if (third != kCircle) return std::nullopt;
      return TakesTangentRoute(s) ? kCircleTouchingCircleAndTangent : kCircleThroughPointTouchingCircle;
    case kLine2:
    case kValueRow:
      return std::nullopt;
  }
  return std::nullopt;  // not reached: every kind has its case
}

// Three elements: the value-row calculations first; then the circle through
// the reference points when a point is among the first two, else the circle
// touching three lines (any other row read as the line it stores).
CalculationId ThreeElementCalculation(const RowKinds& kinds, const CalcState& s) {
  if (kinds[1] == kValueRow) {
    if (const auto id = ValueRowCalculation(kinds[0], kinds[2], s)) return *id;
  }
  return kinds[0] == kPoint || kinds[1] == kPoint ? kCircleThroughThreePoints : kCircleTouchingThreeLines;
}

// Each calculation's solver: those of two elements, then those of three;
// the comments give the catalogue numbers.
Outcome Solve(CalculationId id, ElementKind first, CalcState& s) {
  switch (id) {
    case kNone:
      return Failure(messages::kWrongOrder);
    case kAngleOfTwoPoints:  // 1.1
      return SolvePointPointAngle(s);
    case kTangentPointCircle:  // 1.2: the point is a circle of radius 0
    case kTangentTwoCircles:   // 1.3
      return SolveTangentAngle(s);
    case kTwoLines:  // 2.1
      return SolveLineLineIntersection(s);
    case kLineAndCircle:  // 2.2, in either order
      return first == kCircle ? SwapCircleLineAndSolve(s) : SolveLineCircleIntersection(s);
    case kCircleThroughPointTouchingCircle:  // 3.1
      return SolveCircleThroughPointTouchingCircle(s);
    case kCircleTouchingCircleAndTangent:  // 3.2
      return SolveCircleTangentToCircleAndTangentLine(s);
    case kCircleTouchingLineAndCircle:  // 3.3
      return SolveCircleTangentToLineAndCircle(s);
    case kCircleThroughThreePoints:  // 3.5
      return SolveCircleThroughThreePoints(s);
    case kCircleTouchingThreeLines:  // 3.6
      return SolveCircleTangentToThreeLines(s);
    case kCircleTouchingTwoCircles:  // 3.4
    case kTwoCircles:                // 2.3: where a circle of radius 0 touches both
      return SolveCircleTangentToTwoCircles(s);
  }
  return Failure(messages::kWrongOrder);  // not reached: every calculation has its case
}

}  // namespace

void DispatchCalculation(CalcState& s, const RowKinds& kinds) {
  s.elemNo = 1;
  s.ran = s.twoElem == 1 ? TwoElementCalculation(kinds[0], kinds[1]) : ThreeElementCalculation(kinds, s);
  ShowOutcome(Solve(s.ran, kinds[0], s), s.captions);
}

}  // namespace draftcalc
