#include <cmath>

#include "core/number_text.h"
#include "core/result_fields.h"
#include "solvers/line_model.h"
#include "solvers/solvers.h"

namespace draftcalc {

// Line (or point) at elemNo, value row with c at elemNo + 1, circle at
// elemNo + 2. The centre of a circle of radius c touching both lies on the
// line moved by c and on the circle grown or shrunk by c: the table is
// rewritten into that line and circle and handed to the line-circle
// intersection.
void SolveCircleTangentToLineAndCircle(CalcState& s, double touchTolerance) {
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
  s.elemD[n + 1] = kCircleCode;
  s.elemD[n] = kLine3Code;
  s.twoElem = 1;

  SolveLineCircleIntersection(s, touchTolerance);
}

// A point farther from the circle than |c + |r|| cannot lie on a circle of
// radius c touching it; the wanted circle then touches the tangent line from
// the point instead.
void SolvePointAndCircleCases(CalcState& s) {
  const int n = s.elemNo;
  const double c = s.elemB[n + 1];
  const double r = s.elemA[n + 2];
  const double d = Distance(s.elemX[n + 2] - s.elemX[n], s.elemY[n + 2] - s.elemY[n]);

  if (d > std::fabs(c + std::fabs(r))) {
    s.ran = CalculationId::kCircleTouchingCircleAndTangent;
    return SolveCircleTangentToCircleAndTangentLine(s);
  }

  // The point becomes a circle of radius 0; its S of -2 is never read.
  s.elemD[n] = kCircleCode;
  s.elemA[n] = 0;
  s.elemB[n] = -2;
  SolveCircleTangentToTwoCircles(s);
}

void SolveCircleTangentToCircleAndTangentLine(CalcState& s) {
  const int n = s.elemNo;
  const double x1 = s.elemX[n], y1 = s.elemY[n], pointA = s.elemA[n];
  const double c = s.elemB[n + 1];
  const double r = s.elemA[n + 2], side = s.elemB[n + 2];

  const double dx = s.elemX[n + 2] - x1;
  const double dy = s.elemY[n + 2] - y1;
  const double d = Distance(dx, dy);

  // beta turns the direction of the centre onto the tangent; a point inside
  // the circle has no tangent.
  const double beta = ArcsineWithPoles((pointA - r) / d);
  const double centreAngle = ArcsineWithPoles(dy / d);
  const double phi = dx >= 0 ? centreAngle : 180 - centreAngle;
  const double tangentAngle = beta + phi;
  s.elemA[n] = tangentAngle;

  WriteNumber(s.captions.ansA, RoundTo(tangentAngle, 4));
  WriteNumber(s.captions.ansR, RoundTo(c, 4));
  WriteNumber(s.captions.ansX, x1);
  WriteNumber(s.captions.ansY, y1);

  // For this combination of signs the moved tangent line touches the resized
  // circle by construction, and only rounding decides whether the
  // discriminant comes out slightly negative; let it touch.
  const bool touchesByConstruction = Sgn(r) * Sgn(side) * Sgn(c) == -1;
  SolveCircleTangentToLineAndCircle(s, touchesByConstruction ? std::fabs(c) / 2 : 0);
}

}  // namespace draftcalc
