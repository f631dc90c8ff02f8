#include "solvers/line_model.h"

#include <cmath>

#include "core/messages.h"
#include "core/result_fields.h"
#include "trig/degree_trig.h"

namespace draftcalc {

double Sgn(double value) { return value > 0 ? 1 : value < 0 ? -1 : 0; }

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

bool AnglesParallel(double angle1, double angle2) {
  const double difference = angle1 - angle2;
  const double halfTurns = std::nearbyint(difference / 180);
  return std::fabs(difference - halfTurns * 180) <= 1e-9;
}

double Distance(double dx, double dy) {
  const double d = std::sqrt(dx * dx + dy * dy);
  // Squares beyond the double range, or so small that they vanish.
  if (!std::isfinite(d) || (d == 0 && (dx != 0 || dy != 0))) Abandon(messages::kNumberOutOfRange);
  return d;
}

double ArcsineWithPoles(double ratio) {
  if (ratio == 1) return 90;
  if (ratio == -1) return -90;
  if (std::fabs(ratio) > 1) Abandon(messages::kNoTangent);
  return AsinDeg(ratio);
}

double ChordDirection(double dx, double dy, double d) {
  double theta = 90;
  if (dx != 0) {
    const double ratio = dx / d;
    // A ratio that underflows to 0 is a vertical chord too; AcosDeg has a pole there.
    if (ratio != 0) {
      theta = AcosDeg(ratio);
      if (theta < 0) theta += 180;
    }
  }
  if (dy < 0) theta = -theta;
  return theta;
}

}  // namespace draftcalc
