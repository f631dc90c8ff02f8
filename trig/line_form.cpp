#include "trig/line_form.h"

#include "core/sign.h"
#include "trig/degree_trig.h"

namespace draftcalc {

bool IsVerticalAngle(double angle) { return angle == 90 || angle == -90 || CosDeg(angle) == 0; }

LineForm LineFormOf(double x, double y, double angle, double offset) {
  LineForm line;
  const double cosine = CosDeg(angle);
  if (angle == 90 || angle == -90 || cosine == 0) {
    // SinDeg(+-90) is +-1: the exact verticals move by the sign of their angle.
    line.vertical = true;
    line.verticalX = x - offset * Sgn(SinDeg(angle));
  } else {
    line.slope = TanDeg(angle);
    line.intercept = (y - x * line.slope) + offset / cosine;
  }
  return line;
}

}  // namespace draftcalc
