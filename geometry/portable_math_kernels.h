#pragma once

#include <cstdint>
#include <cstring>

// The pieces of the portable sine and cosine (geometry/portable_math.h)
// shared between their files, named after musl's originals.

namespace draftcalc::geometry::portable {

// The bits of a double and back. Through memcpy rather than std::bit_cast,
// which the WebAssembly build's C++ library does not have.
inline uint64_t BitsOf(double x) {
  uint64_t bits = 0;
  std::memcpy(&bits, &x, sizeof bits);
  return bits;
}
inline double DoubleOf(uint64_t bits) {
  double x = 0;
  std::memcpy(&x, &bits, sizeof x);
  return x;
}

// The high and low 32 bits of a double (musl's GET_HIGH_WORD and
// EXTRACT_WORDS).
inline uint32_t HighWord(double x) { return static_cast<uint32_t>(BitsOf(x) >> 32); }
inline uint32_t LowWord(double x) { return static_cast<uint32_t>(BitsOf(x)); }

// musl __sin and __cos: the polynomials on [-pi/4, pi/4]; y is the tail
// of a reduced argument x + y, and iy == 0 says that y is 0.
double KernelSin(double x, double y, int iy);
double KernelCos(double x, double y);

// musl __rem_pio2: x - n*pi/2 as y[0] + y[1] in [-pi/4, pi/4], returning
// n (its low bits are what matter). The caller handles |x| <~ pi/4.
int RemPio2(double x, double y[2]);

// musl __rem_pio2_large for double precision (its prec 1): x given as nx
// 24-bit pieces x[i] scaled by 2^e0, positive; returns n mod 8.
int RemPio2Large(const double* x, double y[2], int e0, int nx);

}  // namespace draftcalc::geometry::portable
