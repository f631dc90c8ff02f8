#pragma once

namespace draftcalc {

// An angle whose line is vertical: exactly 90 or -90 degrees, or any angle
// where CosDeg rounds to 0 (270, 89.99999 ...).
bool IsVerticalAngle(double angle);

// A line through (x, y) at `angle` degrees, moved sideways by `offset` to the
// left of its direction, as an equation:
// - vertical (IsVerticalAngle, where the slope form would divide by zero):
//   x = verticalX;
// - otherwise y = slope * x + intercept, with slope TanDeg(angle).
struct LineForm {
  bool vertical = false;
  double verticalX = 0;
  double slope = 0, intercept = 0;
};
LineForm LineFormOf(double x, double y, double angle, double offset);

}  // namespace draftcalc
