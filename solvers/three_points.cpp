#include <cmath>

#include "core/messages.h"
#include "core/number_text.h"
#include "solvers/solver_math.h"
#include "solvers/solvers.h"
#include "trig/degree_trig.h"

namespace draftcalc {
namespace {

bool IsHorizontal(double direction) { return direction == 0 || direction == 180; }

// The chords P1P2 and P1P3 (from P1) are collinear. Two coincident points
// are left to the bisector arithmetic, which still gives a circle through all.
bool Collinear(double dx1, double dy1, double d1, double dx2, double dy2, double d2) {
  return d1 > 0 && d2 > 0 && std::fabs(dx1 * dy2 - dy1 * dx2) <= 1e-12 * d1 * d2;
}

}  // namespace

// The centre is where the perpendicular bisectors of the chords P1P2 and
// P1P3 meet, each bisector taken as y = m * x + b.
Outcome SolveCircleThroughThreePoints(const CalcState& s) {
  const int n = s.elemNo;
  const double x1 = s.elemX[n], y1 = s.elemY[n];

  const double dx1 = s.elemX[n + 1] - x1, dy1 = s.elemY[n + 1] - y1;
  const auto d1 = Distance(dx1, dy1);
  if (!d1) return Failure(messages::kNumberOutOfRange);
  const double direction1 = ChordDirection(dx1, dy1, *d1);
  const bool bisector1Vertical = IsHorizontal(direction1);
  // Computed for a horizontal chord too (TanDeg(90) is large but finite) and
  // then not used.
  const double m1 = TanDeg(90 + direction1);
  const double b1 = (y1 + dy1 / 2) - m1 * (x1 + dx1 / 2);

  const double dx2 = s.elemX[n + 2] - x1, dy2 = s.elemY[n + 2] - y1;
  const auto d2 = Distance(dx2, dy2);
  if (!d2) return Failure(messages::kNumberOutOfRange);
  const double direction2 = ChordDirection(dx2, dy2, *d2);
  if (direction2 == 0 && bisector1Vertical) return Failure(messages::kBothChordsHorizontal);

  double x = 0, y = 0;
  if (IsHorizontal(direction2)) {
    x = x1 + dx2 / 2;
    y = m1 * x + b1;
  } else {
    const double m2 = TanDeg(90 + direction2);
    const double b2 = (y1 + dy2 / 2) - m2 * (x1 + dx2 / 2);
    if ((m2 == m1 && !bisector1Vertical) || Collinear(dx1, dy1, *d1, dx2, dy2, *d2)) {
      return Failure(messages::kPointsCollinear);
    }
    if (bisector1Vertical) {
      x = x1 + dx1 / 2;
      y = m2 * x + b2;
    } else {
      x = (b2 - b1) / (m1 - m2);
      y = (m1 * b2 - m2 * b1) / (m1 - m2);
    }
  }

  const auto radius = Distance(x - x1, y - y1);
  if (!radius) return Failure(messages::kNumberOutOfRange);
  Outcome shown = AnswerPoint(x, y);
  shown.r = RoundTo(*radius, 4);
  return shown;
}

}  // namespace draftcalc
