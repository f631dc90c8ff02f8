#include <cmath>

#include "core/element_kind.h"
#include "core/messages.h"
#include "core/number_text.h"
#include "core/sign.h"
#include "solvers/solver_math.h"
#include "solvers/solvers.h"

namespace draftcalc {

// Line (or point) at elemNo, value row with c at elemNo + 1, circle at
// elemNo + 2. The centre of a circle of radius c touching both lies on the
// line moved by c and on the circle grown or shrunk by c: the table is
// rewritten into that line and circle and handed to the line-circle
// intersection.
Outcome SolveCircleTangentToLineAndCircle(CalcState& s, double touchTolerance) {
  const int n = s.elemNo;
  const double lineOffset = s.elemB[n];
  const double c = s.elemB[n + 1];
  const double x3 = s.elemX[n + 2], y3 = s.elemY[n + 2], r = s.elemA[n + 2], side = s.elemB[n + 2];

  s.elemX[n + 1] = x3;
  s.elemY[n + 1] = y3;
  s.elemA[n + 1] = Sgn(r) * (std::fabs(r) - Sgn(side) * std::fabs(c));
  s.elemB[n] = lineOffset - c;
  s.elemB[n + 1] = side;
  s.elemD[n + 2] = kUnusedRowCode;
  s.elemD[n + 1] = StoredCode(ElementKind::kCircle);
  s.elemD[n] = StoredCode(ElementKind::kLine3);
  s.twoElem = 1;

  return SolveLineCircleIntersection(s, touchTolerance);
}

// A point farther from the circle than |c + |r|| cannot lie on a circle of
// radius c touching it. A distance out of range takes the route through the
// point, which reports it.
bool TakesTangentRoute(const CalcState& s) {
  const int n = s.elemNo;
  const double c = s.elemB[n + 1];
  const double r = s.elemA[n + 2];
  const auto d = Distance(s.elemX[n + 2] - s.elemX[n], s.elemY[n + 2] - s.elemY[n]);
  return d && *d > std::fabs(c + std::fabs(r));
}

Outcome SolveCircleThroughPointTouchingCircle(CalcState& s) {
  // The point becomes a circle of radius 0; its S of -2 is never read.
  const int n = s.elemNo;
  s.elemD[n] = StoredCode(ElementKind::kCircle);
  s.elemA[n] = 0;
  s.elemB[n] = -2;
  return SolveCircleTangentToTwoCircles(s);
}

Outcome SolveCircleTangentToCircleAndTangentLine(CalcState& s) {
  const int n = s.elemNo;
  const double x1 = s.elemX[n], y1 = s.elemY[n], pointA = s.elemA[n];
  const double c = s.elemB[n + 1];
  const double r = s.elemA[n + 2], side = s.elemB[n + 2];

  const double dx = s.elemX[n + 2] - x1;
  const double dy = s.elemY[n + 2] - y1;
  const auto d = Distance(dx, dy);
  if (!d) return Failure(messages::kNumberOutOfRange);

  // beta turns the direction of the centre onto the tangent; a point inside
  // the circle has no tangent.
  const auto beta = ArcsineWithPoles((pointA - r) / *d);
  const auto centreAngle = ArcsineWithPoles(dy / *d);
  if (!beta || !centreAngle) return Failure(messages::kNoTangent);
  const double phi = dx >= 0 ? *centreAngle : 180 - *centreAngle;
  const double tangentAngle = *beta + phi;
  s.elemA[n] = tangentAngle;

  // For this combination of signs the moved tangent line touches the resized
  // circle by construction, and only rounding decides whether the
  // discriminant comes out slightly negative; let it touch.
  const bool touchesByConstruction = Sgn(r) * Sgn(side) * Sgn(c) == -1;
  Outcome shown = SolveCircleTangentToLineAndCircle(s, touchesByConstruction ? std::fabs(c) / 2 : 0);

  // The tangent is shown with the circle; when the circle cannot be found,
  // the tangent stays shown through the point.
  shown.a = RoundTo(tangentAngle, 4);
  shown.r = RoundTo(c, 4);
  if (!shown.remark.empty()) {
    shown.x = x1;
    shown.y = y1;
  }
  return shown;
}

}  // namespace draftcalc
