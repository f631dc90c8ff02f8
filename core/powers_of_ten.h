#pragma once

#include <array>

namespace draftcalc {

// 10^0 .. 10^15, each exact as a double: the scales of 0 to 15 decimal places.
inline constexpr std::array<double, 16> kPowersOfTen = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                        1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

}  // namespace draftcalc
