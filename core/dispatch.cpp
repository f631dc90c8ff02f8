#include "core/dispatch.h"

#include "core/messages.h"
#include "core/result_fields.h"
#include "solvers/solvers.h"

namespace draftcalc {
namespace {

// Codes: 0 point, 1..3 line, 5 value row, 8 circle. The tests are made in
// this order and the first that holds wins.
void RunTwoElementSolver(CalcState& s, double d1, double d2) {
  using enum CalculationId;
  if (d1 == 0 && d2 == 0) {
    s.ran = kAngleOfTwoPoints;
    SolvePointPointAngle(s);
  } else if ((d1 == 8 && d2 == 8) || (d1 == 8 && d2 == 0) || (d1 == 0 && d2 == 8)) {
    s.ran = d1 == d2 ? kTangentTwoCircles : kTangentPointCircle;
    SolveTangentAngle(s);
  } else if ((d1 == 1 && d2 == 2) || (d1 == 1 && d2 == 3) || (d1 == 3 && d2 == 2) || (d1 == 3 && d2 == 3)) {
    s.ran = kTwoLines;
    SolveLineLineIntersection(s);
  } else if (d1 == 8 && d2 == 3) {
    s.ran = kLineAndCircle;
    SwapCircleLineAndSolve(s);
  } else if (d2 == 8 && (d1 == 1 || d1 == 3)) {
    s.ran = kLineAndCircle;
    SolveLineCircleIntersection(s);
  } else {
    s.captions.ansRem = messages::kWrongOrder;
  }
}

void RunThreeElementSolver(CalcState& s, double d1, double d2, double d3) {
  using enum CalculationId;
  if (d2 == 5) {
    if (d1 == 8) {
      s.ran = IsIntersectionRadius(s.elemB[s.elemNo + 1]) ? kTwoCircles : kCircleTouchingTwoCircles;
      return SolveCircleTangentToTwoCircles(s);
    }
    if ((d1 == 1 || d1 == 3) && d3 == 8) {
      s.ran = kCircleTouchingLineAndCircle;
      return SolveCircleTangentToLineAndCircle(s);
    }
    if (d1 == 0 && d3 == 8) {
      s.ran = kCircleThroughPointTouchingCircle;  // the tangent route records itself
      return SolvePointAndCircleCases(s);
    }
  }
  if (d1 == 0 || d2 == 0) {
    s.ran = kCircleThroughThreePoints;
    return SolveCircleThroughThreePoints(s);
  }
  s.ran = kCircleTouchingThreeLines;
  SolveCircleTangentToThreeLines(s);
}

}  // namespace

void DispatchCalculation(CalcState& s) {
  s.elemNo = 1;
  s.pairD1 = s.elemD[s.elemNo];
  s.pairD2 = s.elemD[s.elemNo + 1];
  try {
    if (s.twoElem == 1) {
      RunTwoElementSolver(s, s.pairD1, s.pairD2);
    } else {
      RunThreeElementSolver(s, s.pairD1, s.pairD2, s.elemD[s.elemNo + 2]);
    }
  } catch (const CalculationAbandoned& abandoned) {
    ShowAbandonment(s, abandoned.remark);
  }
}

}  // namespace draftcalc
