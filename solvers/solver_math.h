#pragma once

#include <cmath>
#include <optional>

#include "trig/degree_trig.h"

// Guarded arithmetic the solvers have in common.

namespace draftcalc {

// Two directions differ by a multiple of 180 degrees (within 1e-9 degrees).
// The rounded slopes of the short pi cannot tell such lines apart reliably.
bool AnglesParallel(double angle1, double angle2);

// Length of (dx, dy); nullopt when the squares leave the double range (the
// calculation then has no value to show).
inline std::optional<double> Distance(double dx, double dy) {
  const double d = std::sqrt(dx * dx + dy * dy);
  // Squares beyond the double range, or so small that they vanish.
  if (!std::isfinite(d) || (d == 0 && (dx != 0 || dy != 0))) return std::nullopt;
  return d;
}

// Arcsine in degrees with the poles taken exactly: +1 gives 90 and -1 gives
// -90; nullopt for a ratio beyond +-1, where no tangent exists.
inline std::optional<double> ArcsineWithPoles(double ratio) {
  if (ratio == 1) return 90;
  if (ratio == -1) return -90;
  if (std::fabs(ratio) > 1) return std::nullopt;
  return AsinDeg(ratio);
}

// Direction of a chord (dx, dy) of length d: 90 when dx is 0, else the
// arccosine of dx / d made principal, negated when dy < 0.
double ChordDirection(double dx, double dy, double d);

}  // namespace draftcalc
