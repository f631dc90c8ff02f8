#include "core/messages.h"
#include "solvers/solver_math.h"
#include "solvers/solvers.h"

namespace draftcalc {

LineForm LineOfElement(const CalcState& s, int i) { return LineFormOf(s.elemX[i], s.elemY[i], s.elemA[i], s.elemB[i]); }

std::optional<PlanePoint> LinesCrossing(const LineForm& first, double angle1, const LineForm& second, double angle2) {
  if (first.vertical && second.vertical) return std::nullopt;
  if (second.vertical) return PlanePoint{second.verticalX, first.intercept + second.verticalX * first.slope};
  if (first.vertical) return PlanePoint{first.verticalX, second.intercept + first.verticalX * second.slope};

  // Equal rounded slopes are parallel; so are directions a half turn apart
  // whose slopes the short pi rounds differently (80 and 260).
  const double m1 = first.slope, b1 = first.intercept, m2 = second.slope, b2 = second.intercept;
  if (m2 == m1 || AnglesParallel(angle1, angle2)) return std::nullopt;
  return PlanePoint{(b2 - b1) / (m1 - m2), (m1 * b2 - m2 * b1) / (m1 - m2)};
}

Outcome SolveLineLineIntersection(const CalcState& s) {
  const int n = s.elemNo;
  const auto crossing = LinesCrossing(LineOfElement(s, n), s.elemA[n], LineOfElement(s, n + 1), s.elemA[n + 1]);
  if (!crossing) return Failure(messages::kLinesDoNotMeet);
  return AnswerPoint(crossing->x, crossing->y);
}

}  // namespace draftcalc
