#include "solvers/line_model.h"

#include <cmath>

#include "core/messages.h"
#include "core/result_fields.h"
#include "trig/degree_trig.h"

namespace draftcalc {

double Sgn(double value) { return value > 0 ? 1 : value < 0 ? -1 : 0; }

bool IsVerticalLine(double angle) { return angle == 90 || angle == -90 || CosDeg(angle) == 0; }

double VerticalLineX(double x, double angle, double offset) { return x - offset * Sgn(SinDeg(angle)); }

double LineSlope(double angle) { return TanDeg(angle); }

double LineIntercept(double x, double y, double angle, double offset, double slope) {
  return (y - x * slope) + offset / CosDeg(angle);
}

bool AnglesParallel(double angle1, double angle2) {
  return std::fabs(std::remainder(angle1 - angle2, 180.0)) <= 1e-9;
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
