#include "solvers/solver_math.h"

#include <cmath>

#include "trig/degree_trig.h"

namespace draftcalc {

// The remainder is exact however far apart the directions are; a quotient
// rounded to whole half turns loses it beyond about 1e15.
bool AnglesParallel(double angle1, double angle2) { return std::fabs(std::remainder(angle1 - angle2, 180)) <= 1e-9; }

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
