#include "core/messages.h"
#include "core/result_fields.h"
#include "solvers/line_model.h"
#include "solvers/solvers.h"

namespace draftcalc {
namespace {

bool ReportNoIntersection(CalcState& s) {
  s.skipAnswer = 0;
  s.captions.ansRem = messages::kLinesDoNotMeet;
  return false;
}

}  // namespace

// The first line's slope and intercept go into pairD1, pairD2 and the
// second's into wk5, wk6, where the three-line construction finds them.
bool SolveLineLineIntersection(CalcState& s) {
  const int n = s.elemNo;
  const double angle1 = s.elemA[n];
  const double angle2 = s.elemA[n + 1];

  if (IsVerticalLine(angle1)) {
    s.vertFlag = 1;
  } else {
    s.vertFlag = 0;
    s.pairD1 = LineSlope(angle1);
    s.pairD2 = LineIntercept(s.elemX[n], s.elemY[n], angle1, s.elemB[n], s.pairD1);
  }

  if (IsVerticalLine(angle2)) return SolveLineLineSecondVertical(s);

  s.wk5 = LineSlope(angle2);
  s.wk6 = LineIntercept(s.elemX[n + 1], s.elemY[n + 1], angle2, s.elemB[n + 1], s.wk5);
  const double m1 = s.pairD1, b1 = s.pairD2, m2 = s.wk5, b2 = s.wk6;

  if (s.vertFlag == 1) {
    s.ansXVal = VerticalLineX(s.elemX[n], angle1, s.elemB[n]);
    s.ansYVal = b2 + s.ansXVal * m2;
    WriteAnswerPoint(s);
    return true;
  }

  // Equal rounded slopes are parallel; so are directions a half turn apart
  // whose slopes the short pi rounds differently (80 and 260).
  if (m2 == m1 || AnglesParallel(angle1, angle2)) return ReportNoIntersection(s);

  s.ansXVal = (b2 - b1) / (m1 - m2);
  s.ansYVal = (m1 * b2 - m2 * b1) / (m1 - m2);
  WriteAnswerPoint(s);
  return true;
}

bool SolveLineLineSecondVertical(CalcState& s) {
  const int n = s.elemNo;
  if (s.vertFlag == 1) {
    s.vertFlag = 0;
    return ReportNoIntersection(s);
  }
  s.ansXVal = VerticalLineX(s.elemX[n + 1], s.elemA[n + 1], s.elemB[n + 1]);
  s.ansYVal = s.pairD2 + s.ansXVal * s.pairD1;
  WriteAnswerPoint(s);
  return true;
}

}  // namespace draftcalc
