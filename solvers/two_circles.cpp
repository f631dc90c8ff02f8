#include <cmath>

#include "core/messages.h"
#include "core/sign.h"
#include "solvers/solver_math.h"
#include "solvers/solvers.h"
#include "trig/degree_trig.h"

namespace draftcalc {
namespace {

// A wanted radius this small is an intersection of the two circles.
constexpr double kIntersectionRadius = 0.01;

// The angle at centre 1 between the line of centres and the wanted centre,
// from its cosine k (-1 <= k <= 1). The arccosine of -1 comes out as 0, not
// 180: a circle touching on the far side of centre 1 needs the half turn stated.
double AngleAtFirstCentre(double k) {
  if (k == -1) return 180;
  if (k == 0) return 90;
  const double alpha = AcosDeg(k);
  return alpha < 0 ? alpha + 180 : alpha;
}

// Which of the two mirror-image centres: the signs of a1, a2 and s2 decide.
double ApplySideRule(double alpha, double a1, double a2, double s2) {
  if (a1 < 0 && a2 < 0) return -alpha * Sgn(s2);
  if (a1 > 0 && a2 > 0) return alpha * Sgn(s2);
  if (a1 < 0 && a2 > 0) return -alpha * Sgn(s2);
  if (a1 > 0 && a2 < 0) return alpha * Sgn(s2);
  return alpha;
}

}  // namespace

bool IsIntersectionRadius(double c) { return std::fabs(c) <= kIntersectionRadius; }

// Circle 1 at elemNo, the value row with c at elemNo + 1, circle 2 at
// elemNo + 2. The centre P lies at |r1 - c| from centre 1 and |r2 - c| from
// centre 2; the law of cosines gives the angle at centre 1.
Outcome SolveCircleTangentToTwoCircles(CalcState& s) {
  const int n = s.elemNo;
  const double x1 = s.elemX[n], y1 = s.elemY[n], r1 = s.elemA[n];
  const double x2 = s.elemX[n + 2], y2 = s.elemY[n + 2], r2 = s.elemA[n + 2], s2 = s.elemB[n + 2];

  double c = s.elemB[n + 1];
  if (IsIntersectionRadius(c)) {
    c = 0;
    s.elemB[n + 1] = 0;
  }

  const double dx = x2 - x1;
  const double dy = y2 - y1;
  const double a1 = r1 - c;
  const double a2 = r2 - c;
  s.elemA[n] = a1;
  s.elemA[n + 2] = a2;

  const auto d = Distance(dx, dy);
  if (!d) return Failure(messages::kNumberOutOfRange);
  if (*d > std::fabs(a1) + std::fabs(a2)) return Failure(messages::kCirclesTooFarApart);
  if (*d == 0) return Failure(messages::kCentresCoincide);
  if (a1 == 0) return Failure(messages::kRadiusDifferenceZero);

  const double k = ((a1 * a1 + *d * *d) - a2 * a2) / 2 / std::fabs(a1) / *d;
  if (k < -1 || k > 1) return Failure(messages::kNoIntersection);
  const double alpha = ApplySideRule(AngleAtFirstCentre(k), a1, a2, s2);

  // A second centre straight to the left lies at 180, which the arccosine
  // of -1 cannot give.
  const double theta = (dy == 0 && dx < 0) ? 180 : ChordDirection(dx, dy, *d);

  Outcome shown = AnswerPoint(x1 + std::fabs(a1) * CosDeg(theta + alpha), y1 + std::fabs(a1) * SinDeg(theta + alpha));
  if (c != 0) shown.r = c;
  return shown;
}

}  // namespace draftcalc
