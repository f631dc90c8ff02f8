#include "core/number_text.h"
#include "core/sign.h"
#include "solvers/solvers.h"
#include "trig/degree_trig.h"

namespace draftcalc {

Outcome SolvePointPointAngle(const CalcState& s) {
  const int n = s.elemNo;
  const double x1 = s.elemX[n], y1 = s.elemY[n];
  const double x2 = s.elemX[n + 1], y2 = s.elemY[n + 1];

  // Vertical pairs, coincident points included, always give 90.
  double angle = 90;
  if (x2 != x1) {
    angle = AtnDeg((y2 - y1) / (x2 - x1));
    // Second point to the left: turn by half a circle, except that an angle
    // of exactly 0 stays 0.
    if (x1 > x2) angle -= Sgn(angle) * 180;
  }

  // The first point is shown as typed.
  Outcome shown;
  shown.a = RoundTo(angle, 4);
  shown.x = x1;
  shown.y = y1;
  return shown;
}

}  // namespace draftcalc
