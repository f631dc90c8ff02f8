#include <cmath>

#include "core/messages.h"
#include "core/result_fields.h"
#include "solvers/line_model.h"
#include "solvers/solvers.h"
#include "trig/degree_trig.h"

namespace draftcalc {
namespace {

// A wanted radius this small is an intersection of the two circles.
constexpr double kIntersectionRadius = 0.01;

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
void SolveCircleTangentToTwoCircles(CalcState& s) {
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

  const double d = Distance(dx, dy);
  if (d > std::fabs(a1) + std::fabs(a2)) {
    s.captions.ansRem = messages::kCirclesTooFarApart;
    return;
  }
  if (d == 0) Abandon(messages::kCentresCoincide);
  if (a1 == 0) Abandon(messages::kRadiusDifferenceZero);

  const double k = ((a1 * a1 + d * d) - a2 * a2) / 2 / std::fabs(a1) / d;
  if (k < -1 || k > 1) {
    s.captions.ansRem = messages::kNoIntersection;
    return;
  }

  // The arccosine of -1 comes out as 0, not 180: a circle touching on the
  // far side of centre 1 needs the half turn stated.
  double alpha = 90;
  if (k == -1) {
    alpha = 180;
  } else if (k != 0) {
    alpha = AcosDeg(k);
    if (alpha < 0) alpha += 180;
  }
  alpha = ApplySideRule(alpha, a1, a2, s2);

  // A second centre straight to the left lies at 180, which the arccosine
  // of -1 cannot give.
  const double theta = (dy == 0 && dx < 0) ? 180 : ChordDirection(dx, dy, d);

  s.ansXVal = x1 + std::fabs(a1) * CosDeg(theta + alpha);
  s.ansYVal = y1 + std::fabs(a1) * SinDeg(theta + alpha);
  WriteAnswerPoint(s);
  if (c != 0) WriteNumber(s.captions.ansR, c);
}

}  // namespace draftcalc
