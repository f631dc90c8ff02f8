#include <cmath>

#include "core/messages.h"
#include "core/number_text.h"
#include "solvers/solver_math.h"
#include "solvers/solvers.h"
#include "trig/degree_trig.h"

namespace draftcalc {
namespace {

bool IsExactlyVertical(double angle) { return angle == 90 || angle == -90; }

// An angle bisector at a corner, as x = cornerX when vertical, else as
// y = slope * x + intercept. The slope keeps TanDeg even where it rounds the
// cosine to 0: only the exact verticals are special here.
struct Bisector {
  double angle;
  double cornerX, cornerY;
  bool vertical;
  double slope = 0, intercept = 0;

  Bisector(double a, PlanePoint corner)
      : angle(a), cornerX(corner.x), cornerY(corner.y), vertical(IsExactlyVertical(a)) {
    if (!vertical) {
      slope = TanDeg(angle);
      intercept = cornerY - slope * cornerX;
    }
  }
};

// Where the two bisectors meet; nullopt when they are parallel. Parallel
// bisectors never meet; the short pi would otherwise let their slopes
// differ slightly and put the centre millions of units away.
std::optional<PlanePoint> BisectorsMeet(const Bisector& at12, const Bisector& at23) {
  if ((at12.vertical && at23.vertical) || AnglesParallel(at12.angle, at23.angle)) return std::nullopt;
  if (at23.vertical) return PlanePoint{at23.cornerX, at12.slope * at23.cornerX + at12.intercept};
  if (at12.vertical) return PlanePoint{at12.cornerX, at23.slope * at12.cornerX + at23.intercept};
  if (at12.slope == at23.slope) return std::nullopt;
  const double x = (at23.intercept - at12.intercept) / (at12.slope - at23.slope);
  return PlanePoint{x, at12.slope * x + at12.intercept};
}

}  // namespace

// The centre is where the bisector at the corner of lines 1 and 2 meets the
// one at the corner of lines 2 and 3; which of the four touching circles it
// is follows from the directions the lines were entered in.
Outcome SolveCircleTangentToThreeLines(const CalcState& s) {
  const int n = s.elemNo;
  const double angle1 = s.elemA[n], angle2 = s.elemA[n + 1], angle3 = s.elemA[n + 2];

  const LineForm line1 = LineOfElement(s, n), line2 = LineOfElement(s, n + 1), line3 = LineOfElement(s, n + 2);

  const auto corner12 = LinesCrossing(line1, angle1, line2, angle2);
  const auto corner23 = LinesCrossing(line2, angle2, line3, angle3);
  if (!corner12 || !corner23) return Failure(messages::kLinesDoNotMeet);
  const auto centre = BisectorsMeet(Bisector(((angle1 - 180) + angle2) / 2, *corner12),
                                    Bisector(((angle2 - 180) + angle3) / 2, *corner23));
  if (!centre) return Failure(messages::kNoIntersection);

  // Radius: the centre's distance from line 3.
  const double radius = line3.vertical ? std::fabs(centre->x - line3.verticalX)
                                       : std::fabs(line3.intercept - (centre->y - line3.slope * centre->x)) /
                                             std::sqrt(1 + line3.slope * line3.slope);

  Outcome shown = AnswerPoint(centre->x, centre->y);
  shown.r = RoundTo(radius, 4);
  return shown;
}

}  // namespace draftcalc
