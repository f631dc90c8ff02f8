#pragma once

#include <string>

namespace draftcalc {

// Rounds the exact binary value of x to `places` decimal places (0..15),
// taking only an exact half to the even neighbour, and returns the double
// nearest to that decimal. 2.675 rounds to 2.67 at two places because the
// stored double lies below the half; 0.125 rounds to 0.12.
// Non-finite values are returned unchanged.
double RoundTo(double x, int places);

// The general decimal form of a result caption: up to 15 significant
// digits, no trailing zeros or point, exponent form ("1E+15", "1E-05") when
// the decimal exponent is below -4 or at least 15. Zero, also -0, is "0".
// Independent of the process locale. x must be finite.
std::string NumberText(double x);

}  // namespace draftcalc
