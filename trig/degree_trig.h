#pragma once

namespace draftcalc {

// The calculator's own value of pi. It is deliberately short (about 5.4e-8
// below the true value) and every degree function inherits that: TanDeg(90)
// is a large finite number and AtnDeg(1) is 45.000001.
inline constexpr double PI = 3.1415926;

// Degree versions of the trigonometric functions. Each result is rounded to
// 6 decimal places (an exact half to even).
double TanDeg(double degrees);
double SinDeg(double degrees);
double CosDeg(double degrees);
double AtnDeg(double ratio);
// Defined for -1 < ratio < 1; callers guard the poles.
double AsinDeg(double ratio);
// Defined for -1 <= ratio <= 1 except 0. For a negative ratio this is the
// arccosine minus 180 (-1 gives 0); callers restore the principal value.
double AcosDeg(double ratio);

}  // namespace draftcalc
