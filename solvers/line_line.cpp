#include "core/messages.h"
#include "solvers/solver_math.h"
#include "solvers/solvers.h"
#include "trig/line_form.h"

namespace draftcalc {
namespace {

LineForm LineAt(const CalcState& s, int i) { return LineFormOf(s.elemX[i], s.elemY[i], s.elemA[i], s.elemB[i]); }

}  // namespace

std::optional<PlanePoint> LinesCrossing(const CalcState& s, int i) {
  const LineForm first = LineAt(s, i);
  const LineForm second = LineAt(s, i + 1);
  if (first.vertical && second.vertical) return std::nullopt;
  if (second.vertical) return PlanePoint{second.verticalX, first.intercept + second.verticalX * first.slope};
  if (first.vertical) return PlanePoint{first.verticalX, second.intercept + first.verticalX * second.slope};

  // Equal rounded slopes are parallel; so are directions a half turn apart
  // whose slopes the short pi rounds differently (80 and 260).
  const double m1 = first.slope, b1 = first.intercept, m2 = second.slope, b2 = second.intercept;
  if (m2 == m1 || AnglesParallel(s.elemA[i], s.elemA[i + 1])) return std::nullopt;
  return PlanePoint{(b2 - b1) / (m1 - m2), (m1 * b2 - m2 * b1) / (m1 - m2)};
}

Outcome SolveLineLineIntersection(const CalcState& s) {
  const auto crossing = LinesCrossing(s, s.elemNo);
  if (!crossing) return Failure(messages::kLinesDoNotMeet);
  return AnswerPoint(crossing->x, crossing->y);
}

}  // namespace draftcalc
