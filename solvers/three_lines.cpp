#include <cmath>

#include "core/messages.h"
#include "core/number_text.h"
#include "core/result_fields.h"
#include "solvers/line_model.h"
#include "solvers/solvers.h"
#include "trig/degree_trig.h"

namespace draftcalc {
namespace {

bool IsExactlyVertical(double angle) { return angle == 90 || angle == -90; }

// An angle bisector at a corner, as x = cornerX when vertical, else as
// y = slope * x + intercept. The slope keeps TanDeg even where it rounds the
// cosine to 0: only the exact verticals are special here.
struct Bisector {
  double angle;
  double cornerX, cornerY;
  bool vertical;
  double slope = 0, intercept = 0;

  Bisector(double a, double x, double y) : angle(a), cornerX(x), cornerY(y), vertical(IsExactlyVertical(a)) {
    if (!vertical) {
      slope = TanDeg(angle);
      intercept = cornerY - slope * cornerX;
    }
  }
};

}  // namespace

// The centre is where the bisector at the corner of lines 1 and 2 meets the
// one at the corner of lines 2 and 3; which of the four touching circles it
// is follows from the directions the lines were entered in.
void SolveCircleTangentToThreeLines(CalcState& s) {
  const int n = s.elemNo;
  const double angle1 = s.elemA[n], angle2 = s.elemA[n + 1], angle3 = s.elemA[n + 2];

  // Corner points only: no answer is shown while they are found.
  s.skipAnswer = 1;
  if (!SolveLineLineIntersection(s)) return ShowAbandonment(s, messages::kLinesDoNotMeet);
  const Bisector at12(((angle1 - 180) + angle2) / 2, s.ansXVal, s.ansYVal);

  s.elemNo = n + 1;
  const bool found23 = SolveLineLineIntersection(s);
  s.elemNo = n;
  if (!found23) return ShowAbandonment(s, messages::kLinesDoNotMeet);
  const Bisector at23(((angle2 - 180) + angle3) / 2, s.ansXVal, s.ansYVal);

  // Parallel bisectors never meet; the short pi would otherwise let their
  // slopes differ slightly and put the centre millions of units away.
  if ((at12.vertical && at23.vertical) || AnglesParallel(at12.angle, at23.angle)) {
    return ShowAbandonment(s, messages::kNoIntersection);
  }

  double x = 0, y = 0;
  if (at23.vertical) {
    x = at23.cornerX;
    y = at12.slope * x + at12.intercept;
  } else if (at12.vertical) {
    x = at12.cornerX;
    y = at23.slope * x + at23.intercept;
  } else {
    if (at12.slope == at23.slope) return ShowAbandonment(s, messages::kNoIntersection);
    x = (at23.intercept - at12.intercept) / (at12.slope - at23.slope);
    y = at12.slope * x + at12.intercept;
  }
  s.ansXVal = x;
  s.ansYVal = y;

  // Radius: the centre's distance from line 3.
  const LineForm line3 = LineFormOf(s.elemX[n + 2], s.elemY[n + 2], angle3, s.elemB[n + 2]);
  const double radius =
      line3.vertical ? std::fabs(x - line3.verticalX)
                     : std::fabs(line3.intercept - (y - line3.slope * x)) / std::sqrt(1 + line3.slope * line3.slope);

  WriteNumber(s.captions.ansR, RoundTo(radius, 4));
  s.skipAnswer = 0;
  WriteAnswerPoint(s);
}

}  // namespace draftcalc
