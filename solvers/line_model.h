#pragma once

// Shared geometry of the solvers: how an input line is turned into an
// equation, and the guarded arithmetic they have in common.

namespace draftcalc {

// -1, 0 or +1.
double Sgn(double value);

// An angle whose line is vertical: exactly 90 or -90 degrees, or any angle
// where CosDeg rounds to 0 (270, 89.99999 ...).
bool IsVerticalAngle(double angle);

// An input line through (x, y) at `angle` degrees, moved sideways by
// `offset` to the left of its direction, in the form the solvers use:
// - vertical (exactly 90 or -90 degrees, or wherever CosDeg rounds to 0, such
//   as 270 or 89.99999, where the slope form would divide by zero): x = verticalX;
// - otherwise y = slope * x + intercept, with slope TanDeg(angle).
struct LineForm {
  bool vertical = false;
  double verticalX = 0;
  double slope = 0, intercept = 0;
};
LineForm LineFormOf(double x, double y, double angle, double offset);

// Two directions differ by a multiple of 180 degrees (within 1e-9 degrees).
// The rounded slopes of the short pi cannot tell such lines apart reliably.
bool AnglesParallel(double angle1, double angle2);

// Length of (dx, dy); abandons the calculation when the squares leave the
// double range.
double Distance(double dx, double dy);

// Arcsine in degrees with the poles taken exactly: +1 gives 90 and -1 gives
// -90; a ratio beyond +-1 means that no tangent exists.
double ArcsineWithPoles(double ratio);

// Direction of a chord (dx, dy) of length d: 90 when dx is 0, else the
// arccosine of dx / d made principal, negated when dy < 0.
double ChordDirection(double dx, double dy, double d);

}  // namespace draftcalc
