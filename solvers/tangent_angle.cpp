#include <cmath>

#include "core/messages.h"
#include "core/number_text.h"
#include "solvers/solver_math.h"
#include "solvers/solvers.h"
#include "trig/degree_trig.h"

namespace draftcalc {

// The tangent leaves the first circle at direction theta and touches it at
// theta - 90 from its centre, on the right-hand side looking along theta.
Outcome SolveTangentAngle(const CalcState& s) {
  const int n = s.elemNo;
  const double x1 = s.elemX[n], y1 = s.elemY[n], r1 = s.elemA[n];
  const double x2 = s.elemX[n + 1], y2 = s.elemY[n + 1], r2 = s.elemA[n + 1];

  const double dx = x2 - x1;
  const double dy = y2 - y1;
  const auto d = Distance(dx, dy);
  if (!d) return Failure(messages::kNumberOutOfRange);
  if (*d == 0) return Failure(messages::kCentresCoincide);

  // Angle between the line of centres and the tangent; a ratio beyond +-1
  // (point inside the circle, circle inside circle) has no tangent.
  const auto alpha = r2 == r1 ? std::optional<double>(0) : ArcsineWithPoles((r1 - r2) / *d);
  // Direction of the line of centres; a second centre straight to the left
  // keeps 0, not 180.
  const auto centresAngle = ArcsineWithPoles(dy / *d);
  if (!alpha || !centresAngle) return Failure(messages::kNoTangent);
  double beta = *centresAngle;
  if (dx < 0) {
    if (beta < 0) {
      beta = -180 - beta;
    } else if (beta > 0) {
      beta = 180 - beta;
    }
  }

  // With beta kept at 0 for a centre to the left, the radius angle must turn
  // the other way for the line to touch the second circle.
  const double theta = (dx < 0 && beta == 0) ? beta - *alpha : *alpha + beta;

  Outcome shown;
  shown.a = RoundTo(theta, 5);
  shown.x = RoundTo(x1 + SinDeg(theta) * r1, 0);
  shown.y = RoundTo(y1 - CosDeg(theta) * r1, 0);
  return shown;
}

}  // namespace draftcalc
