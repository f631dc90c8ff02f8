#include <cmath>

#include "core/messages.h"
#include "core/number_text.h"
#include "core/sign.h"
#include "solvers/solvers.h"
#include "trig/line_form.h"

namespace draftcalc {
namespace {

// A negative discriminant means the line misses the circle, unless the miss
// is within the caller's tolerance for a line that touches by construction;
// then it counts as 0 and gives the touching point.
bool WithinTouchTolerance(double missDistance, double touchTolerance) { return missDistance < touchTolerance; }

Outcome Miss() { return Failure(messages::kLineMissesCircle); }

// The line's x replaces its reference X in the table.
Outcome SolveVerticalLineCircle(CalcState& s, double x, double side, double touchTolerance) {
  const int n = s.elemNo;
  const double x2 = s.elemX[n + 1], y2 = s.elemY[n + 1], r = s.elemA[n + 1];
  s.elemX[n] = x;

  double q = r * r - (x - x2) * (x - x2);
  if (q < 0) {
    if (!WithinTouchTolerance(std::fabs(x - x2) - std::fabs(r), touchTolerance)) return Miss();
    q = 0;
  }
  return AnswerPoint(x, y2 + side * std::sqrt(q));
}

// Here S picks the other intersection than the general and vertical cases do.
Outcome SolveHorizontalLineCircle(const CalcState& s, double angle, double side, double touchTolerance) {
  const int n = s.elemNo;
  const double x2 = s.elemX[n + 1], y2 = s.elemY[n + 1], r = s.elemA[n + 1];
  const double y = angle == 0 ? s.elemY[n] + s.elemB[n] : s.elemY[n] - s.elemB[n];

  double q = r * r - (y - y2) * (y - y2);
  if (q < 0) {
    if (!WithinTouchTolerance(std::fabs(y - y2) - std::fabs(r), touchTolerance)) return Miss();
    q = 0;
  }
  return AnswerPoint(x2 + (-side) * std::sqrt(q), y);
}

void CopyRow(CalcState& s, int from, int to) {
  s.elemX[to] = s.elemX[from];
  s.elemY[to] = s.elemY[from];
  s.elemD[to] = s.elemD[from];
  s.elemB[to] = s.elemB[from];
  s.elemA[to] = s.elemA[from];
}

}  // namespace

Outcome SolveLineCircleIntersection(CalcState& s, double touchTolerance) {
  const int n = s.elemNo;
  const double x2 = s.elemX[n + 1], y2 = s.elemY[n + 1], r = s.elemA[n + 1];

  // Only the sign of S counts; it is reversed when the line's reference
  // point lies right of the centre.
  double side = Sgn(s.elemB[n + 1]);
  if (s.elemX[n] > x2) side = -side;

  const double angle = RoundTo(s.elemA[n], 5);
  const LineForm line = LineFormOf(s.elemX[n], s.elemY[n], angle, s.elemB[n]);
  if (line.vertical) return SolveVerticalLineCircle(s, line.verticalX, side, touchTolerance);
  if (angle == 0 || angle == 180) return SolveHorizontalLineCircle(s, angle, side, touchTolerance);

  const double m = line.slope;
  const double b = line.intercept;

  // The line substituted into the circle: (1 + m^2) x^2 + 2 k x + c = 0.
  const double k = (m * b - m * y2) - x2;
  const double c = (x2 * x2 + (b - y2) * (b - y2)) - r * r;
  double discriminant = (k * k) * 4 - c * ((m * m + 1) * 4);
  if (discriminant < 0) {
    const double centreToLine = std::fabs(m * x2 - y2 + b) / std::sqrt(m * m + 1);
    if (!WithinTouchTolerance(centreToLine - std::fabs(r), touchTolerance)) return Miss();
    discriminant = 0;
  }

  const double t = side * std::sqrt(discriminant);
  const double x = ((t + k * (-2)) / 2) / (m * m + 1);
  return AnswerPoint(x, b + x * m);
}

Outcome SwapCircleLineAndSolve(CalcState& s) {
  const int n = s.elemNo;
  CopyRow(s, n, n + 2);
  CopyRow(s, n + 1, n);
  CopyRow(s, n + 2, n + 1);
  return SolveLineCircleIntersection(s);
}

}  // namespace draftcalc
