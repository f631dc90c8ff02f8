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

LineForm LineAt(const CalcState& s, int i) { return LineFormOf(s.elemX[i], s.elemY[i], s.elemA[i], s.elemB[i]); }

}  // namespace

// The first line's slope and intercept are kept in pairD1, pairD2 for the
// case of a vertical second line.
bool SolveLineLineIntersection(CalcState& s) {
  const int n = s.elemNo;
  const LineForm first = LineAt(s, n);
  s.vertFlag = first.vertical ? 1 : 0;
  if (!first.vertical) {
    s.pairD1 = first.slope;
    s.pairD2 = first.intercept;
  }

  const LineForm second = LineAt(s, n + 1);
  if (second.vertical) return SolveLineLineSecondVertical(s);
  const double m1 = s.pairD1, b1 = s.pairD2, m2 = second.slope, b2 = second.intercept;

  if (s.vertFlag == 1) {
    s.ansXVal = first.verticalX;
    s.ansYVal = b2 + s.ansXVal * m2;
    WriteAnswerPoint(s);
    return true;
  }

  // Equal rounded slopes are parallel; so are directions a half turn apart
  // whose slopes the short pi rounds differently (80 and 260).
  if (m2 == m1 || AnglesParallel(s.elemA[n], s.elemA[n + 1])) return ReportNoIntersection(s);

  s.ansXVal = (b2 - b1) / (m1 - m2);
  s.ansYVal = (m1 * b2 - m2 * b1) / (m1 - m2);
  WriteAnswerPoint(s);
  return true;
}

bool SolveLineLineSecondVertical(CalcState& s) {
  if (s.vertFlag == 1) {
    s.vertFlag = 0;
    return ReportNoIntersection(s);
  }
  s.ansXVal = LineAt(s, s.elemNo + 1).verticalX;
  s.ansYVal = s.pairD2 + s.ansXVal * s.pairD1;
  WriteAnswerPoint(s);
  return true;
}

}  // namespace draftcalc
