#pragma once

namespace draftcalc {

// -1, 0 or +1.
constexpr double Sgn(double value) { return value > 0 ? 1 : value < 0 ? -1 : 0; }

}  // namespace draftcalc
