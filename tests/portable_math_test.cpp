// The geometry's own sin, cos, atan2 and hypot: within one unit in the last
// place of the system's libm everywhere (special, boundary and random
// inputs), exactly right where the true value is known, and the source of
// the digits the geometry prints.
#include "geometry/portable_math.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <random>
#include <vector>

#include "geometry/degrees.h"
#include "geometry/solution_set.h"

namespace draftcalc::geometry {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kQuarterPi = std::numbers::pi / 4;

// How many doubles lie between a and b (0 for two NaNs, and for two zeros
// only of the same sign): their bits mapped onto a line ordered like the values.
uint64_t UlpsApart(double a, double b) {
  if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b) ? 0 : UINT64_MAX;
  if (a == 0 && b == 0) return std::signbit(a) == std::signbit(b) ? 0 : UINT64_MAX;
  const auto onLine = [](double v) {
    const int64_t bits = std::bit_cast<int64_t>(v);
    return bits < 0 ? -(bits & INT64_MAX) : bits;
  };
  const int64_t la = onLine(a), lb = onLine(b);
  return la > lb ? static_cast<uint64_t>(la) - static_cast<uint64_t>(lb)
                 : static_cast<uint64_t>(lb) - static_cast<uint64_t>(la);
}

double Next(double x) { return std::nextafter(x, kInf); }
double Previous(double x) { return std::nextafter(x, -kInf); }

// Arguments where sin and cos change branch or reduction in either library.
std::vector<double> TrigBoundaries() {
  const double radiansPerDegree = std::numbers::pi / 180;
  std::vector<double> xs = {0.0,
                            -0.0,
                            std::numeric_limits<double>::denorm_min(),
                            -std::numeric_limits<double>::denorm_min(),
                            DBL_MIN,
                            0x1p-26,
                            Previous(0x1p-26),
                            0x1p-27 * std::numbers::sqrt2,
                            Previous(0x1p-27 * std::numbers::sqrt2),
                            45 * radiansPerDegree,
                            -45 * radiansPerDegree,
                            std::numbers::pi / 2,
                            std::numbers::pi,
                            3 * std::numbers::pi / 2,
                            2 * std::numbers::pi,
                            9 * std::numbers::pi / 4,
                            0x1p20 * std::numbers::pi / 2,
                            1e22,
                            0x1p1023,
                            DBL_MAX,
                            -DBL_MAX};
  for (const double x : {kQuarterPi, -kQuarterPi}) {
    double below = x, above = x;
    for (int i = 0; i < 4; ++i) xs.insert(xs.end(), {below = Previous(below), above = Next(above)});
  }
  for (const double x : std::vector<double>(xs)) xs.push_back(-x);
  return xs;
}

void ExpectSinCosNearTheSystemLibrary(double x) {
  EXPECT_LE(UlpsApart(portable::Sin(x), std::sin(x)), 1u) << std::hexfloat << "sin " << x;
  EXPECT_LE(UlpsApart(portable::Cos(x), std::cos(x)), 1u) << std::hexfloat << "cos " << x;
}

TEST(PortableSinCos, BoundaryArgumentsAreWithinOneUlpOfTheSystemLibrary) {
  for (const double x : TrigBoundaries()) ExpectSinCosNearTheSystemLibrary(x);
}

TEST(PortableSinCos, RandomArgumentsAreWithinOneUlpOfTheSystemLibrary) {
  std::mt19937_64 random(20240601);
  std::uniform_real_distribution<double> reduced(-kQuarterPi, kQuarterPi), medium(-1e6, 1e6), exponent(-1074, 1023);
  for (int i = 0; i < 100000; ++i) {
    ExpectSinCosNearTheSystemLibrary(reduced(random));
    ExpectSinCosNearTheSystemLibrary(medium(random));
    ExpectSinCosNearTheSystemLibrary(std::ldexp(reduced(random), static_cast<int>(exponent(random))));
  }
}

TEST(PortableSinCos, KeepTheSignOfZeroAndTheTinyArgumentsAndGiveNanOutsideTheNumbers) {
  EXPECT_TRUE(std::signbit(portable::Sin(-0.0)));
  EXPECT_FALSE(std::signbit(portable::Sin(0.0)));
  EXPECT_EQ(portable::Cos(-0.0), 1.0);
  EXPECT_EQ(portable::Sin(-0x1p-30), -0x1p-30);
  EXPECT_EQ(portable::Cos(0x1p-28), 1.0);
  for (const double x : {kInf, -kInf, kNan}) {
    EXPECT_TRUE(std::isnan(portable::Sin(x))) << x;
    EXPECT_TRUE(std::isnan(portable::Cos(x))) << x;
  }
}

// atan2's special cases have exact answers: signed zeros, pi and its
// halves and quarters as the nearest doubles.
struct Atan2Case {
  double y, x, expected;
};

TEST(PortableAtan2, AxesInfinitiesAndQuadrantsGiveTheExactAnswers) {
  constexpr double pi = std::numbers::pi;
  const std::vector<Atan2Case> cases = {
      {0.0, 2.0, 0.0},         {-0.0, 2.0, -0.0},      {0.0, 0.0, 0.0},           {-0.0, 0.0, -0.0},
      {0.0, -2.0, pi},         {-0.0, -2.0, -pi},      {0.0, -0.0, pi},           {-0.0, -0.0, -pi},
      {3.0, 0.0, pi / 2},      {3.0, -0.0, pi / 2},    {-3.0, 0.0, -pi / 2},      {-3.0, -0.0, -pi / 2},
      {kInf, kInf, pi / 4},    {-kInf, kInf, -pi / 4}, {kInf, -kInf, 3 * pi / 4}, {-kInf, -kInf, -3 * pi / 4},
      {5.0, kInf, 0.0},        {-5.0, kInf, -0.0},     {5.0, -kInf, pi},          {-5.0, -kInf, -pi},
      {kInf, 5.0, pi / 2},     {-kInf, -5.0, -pi / 2}, {1.0, 1.0, pi / 4},        {-1.0, -1.0, -3 * pi / 4},
      {1e300, 1e-300, pi / 2}, {-1e-300, -1e300, -pi}, {1e-300, 1e300, 0.0},      {kNan, 1.0, kNan},
      {1.0, kNan, kNan},
  };
  for (const Atan2Case& c : cases) {
    EXPECT_EQ(UlpsApart(portable::Atan2(c.y, c.x), c.expected), 0u) << c.y << ", " << c.x;
    EXPECT_LE(UlpsApart(portable::Atan2(c.y, c.x), std::atan2(c.y, c.x)), 1u) << c.y << ", " << c.x;
  }
}

TEST(PortableAtan2, RandomArgumentsAreWithinOneUlpOfTheSystemLibrary) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> coordinate(-1e3, 1e3), exponent(-1074, 1023);
  const auto anyExponent = [&] { return std::ldexp(coordinate(random), static_cast<int>(exponent(random))); };
  for (int i = 0; i < 200000; ++i) {
    const double y = coordinate(random), x = coordinate(random);
    ASSERT_LE(UlpsApart(portable::Atan2(y, x), std::atan2(y, x)), 1u) << std::hexfloat << y << ", " << x;
    const double wideY = anyExponent(), wideX = anyExponent();
    ASSERT_LE(UlpsApart(portable::Atan2(wideY, wideX), std::atan2(wideY, wideX)), 1u)
        << std::hexfloat << wideY << ", " << wideX;
    ASSERT_LE(UlpsApart(portable::Atan(wideY), std::atan(wideY)), 1u) << std::hexfloat << wideY;
  }
}

struct HypotCase {
  double x, y, expected;
};

TEST(PortableHypot, HugeTinyAndNonNumbersGiveTheExactAnswers) {
  const double subnormal = std::numeric_limits<double>::denorm_min();
  const std::vector<HypotCase> cases = {
      {3.0, -4.0, 5.0},        {-0.0, 0.0, 0.0},
      {-7.5, 0.0, 7.5},        {DBL_MAX, DBL_MAX, kInf},
      {DBL_MAX, 1.0, DBL_MAX}, {3e300, 4e300, 0x1.ddd4baa009303p+998},
      {kInf, kNan, kInf},      {kNan, -kInf, kInf},
      {kNan, 1.0, kNan},       {3 * subnormal, 4 * subnormal, 5 * subnormal},
      {1e200, 1e-200, 1e200},  {0x1p-1022, 0x1p-1022, 0x1.6a09e667f3bcdp-1022},
  };
  for (const HypotCase& c : cases) {
    EXPECT_EQ(UlpsApart(portable::Hypot(c.x, c.y), c.expected), 0u) << c.x << ", " << c.y;
    EXPECT_EQ(UlpsApart(portable::Hypot(c.y, c.x), c.expected), 0u) << c.y << ", " << c.x;
  }
}

TEST(PortableHypot, RandomArgumentsAreWithinOneUlpOfTheSystemLibrary) {
  std::mt19937_64 random(11);
  std::uniform_real_distribution<double> coordinate(-1.0, 1.0), exponent(-1074, 1024);
  std::uniform_int_distribution<int> apart(-70, 70);
  for (int i = 0; i < 200000; ++i) {
    const int e = static_cast<int>(exponent(random));
    const double x = std::ldexp(coordinate(random), e), nearX = std::ldexp(coordinate(random), e + apart(random));
    ASSERT_LE(UlpsApart(portable::Hypot(x, nearX), std::hypot(x, nearX)), 1u) << std::hexfloat << x << ", " << nearX;
  }
}

// The nearest doubles to the true values, computed once with mpmath at 50
// digits (Debian's python3-mpmath: mpmath.sin(mpf(x)) and so on, rounded to
// the nearest double), for arguments where musl's functions round correctly.
struct Reference {
  enum { kSin, kCos, kAtan2, kHypot } function;
  double a, b, value;
};

double Evaluate(const Reference& r) {
  switch (r.function) {
    case Reference::kSin:
      return portable::Sin(r.a);
    case Reference::kCos:
      return portable::Cos(r.a);
    case Reference::kAtan2:
      return portable::Atan2(r.a, r.b);
    default:
      return portable::Hypot(r.a, r.b);
  }
}

TEST(PortableMath, KnownValuesAreTheNearestDoubles) {
  const std::vector<Reference> references = {
      {Reference::kSin, 0x1.0c152382d7365p-1, 0, 0x1.fffffffffffffp-2},  // 30 degrees
      {Reference::kCos, 0x1.0c152382d7365p-1, 0, 0x1.bb67ae8584cabp-1},
      {Reference::kSin, 0x1.921fb54442d18p-1, 0, 0x1.6a09e667f3bccp-1},  // 45 degrees
      {Reference::kCos, -0x1.921fb54442d18p-1, 0, 0x1.6a09e667f3bcdp-1},
      {Reference::kSin, 0x1.1df46a2529d39p-6, 0, 0x1.1df0b2b89dd1ep-6},  // 1 degree
      {Reference::kCos, 0x1.921d6ba19eae6p-1, 0, 0x1.6a0b848257db4p-1},  // 44.999 degrees
      {Reference::kSin, 1e22, 0, -0x1.b453ab76bf397p-1},
      {Reference::kCos, 1e300, 0, -0x1.2699022adc4c1p-1},
      {Reference::kSin, 3.0, 0, 0x1.210386db6d55bp-3},
      {Reference::kAtan2, 1.0, 2.0, 0x1.dac670561bb4fp-2},
      {Reference::kAtan2, -3.0, -4.0, -0x1.3fc176b7a8560p+1},
      {Reference::kAtan2, 1.0, 1e-10, 0x1.921fb543d4de0p+0},
      {Reference::kAtan2, 0.1, 0.7, 0x1.229aec47638ddp-3},
      {Reference::kHypot, 3e-320, 4e-320, 0x0.0000000002788p-1022},
      {Reference::kHypot, 7e-170, 2.4e-169, 0x1.e3113363787f2p-561},
  };
  for (const Reference& r : references)
    EXPECT_EQ(Evaluate(r), r.value) << std::hexfloat << "function " << r.function << " of " << r.a << ", " << r.b;
}

// Arguments spread over every exponent in [minExponent, maxExponent], with
// random signs and mantissas; the same sequence everywhere, since the
// standard fixes mt19937_64's output.
double Spread(std::mt19937_64& bits, int minExponent, int maxExponent) {
  const uint64_t raw = bits();
  const auto exponent = static_cast<uint64_t>(
      1023 + minExponent + static_cast<int>(raw % static_cast<uint64_t>(maxExponent - minExponent + 1)));
  const uint64_t mantissa = bits() & ((uint64_t{1} << 52) - 1);
  return std::bit_cast<double>((raw >> 63) << 63 | exponent << 52 | mantissa);
}

// FNV-1a over the results' bits (every NaN counted alike).
struct Fingerprint {
  uint64_t hash = 0xcbf29ce484222325;
  void Add(double v) {
    const uint64_t bits = std::isnan(v) ? 0x7ff8000000000000 : std::bit_cast<uint64_t>(v);
    for (int i = 0; i < 64; i += 8) hash = (hash ^ ((bits >> i) & 0xff)) * 0x100000001b3;
  }
};

struct Fingerprints {
  uint64_t sin, cos, atan2, hypot;
};

Fingerprints OfManyArguments() {
  std::mt19937_64 bits(2024);
  Fingerprint sin, cos, atan2, hypot;
  for (int i = 0; i < 50000; ++i) {
    const double reduced = Spread(bits, -30, -1), any = Spread(bits, -1074, 1023), near = Spread(bits, -2, 30);
    for (const double x : {reduced, any, near}) {
      sin.Add(portable::Sin(x));
      cos.Add(portable::Cos(x));
    }
    const double y = Spread(bits, -40, 40), x = Spread(bits, -40, 40), wideY = any, wideX = Spread(bits, -1074, 1023);
    atan2.Add(portable::Atan2(y, x));
    atan2.Add(portable::Atan2(wideY, wideX));
    hypot.Add(portable::Hypot(y, x));
    hypot.Add(portable::Hypot(wideY, wideX));
    // A partner within 2^70 of wideY; wideY may be a NaN (its hypot is one
    // whatever the partner), which has no exponent to stay near.
    const int wideExponent = std::isfinite(wideY) && wideY != 0 ? std::ilogb(wideY) : 0;
    hypot.Add(
        portable::Hypot(wideY, Spread(bits, std::max(-1074, wideExponent - 70), std::min(1023, wideExponent + 70))));
  }
  return {sin.hash, cos.hash, atan2.hash, hypot.hash};
}

// Each function's results over the arguments above, bit for bit, as musl's
// own C sources give them (src/math of Debian's emscripten package, the
// code the WebAssembly build runs, compiled natively with
// -ffp-contract=off and run on the same arguments). glibc's differ in all
// four; so does a port with one operation reordered or fused.
TEST(PortableMath, ManyArgumentsGiveMuslsResultsBitForBit) {
  const Fingerprints f = OfManyArguments();
  EXPECT_EQ(f.sin, 0x9e485fe41a4a2f78u);
  EXPECT_EQ(f.cos, 0x3041099c4a6571ffu);
  EXPECT_EQ(f.atan2, 0x5916158446fe8a73u);
  EXPECT_EQ(f.hypot, 0x18f27733b0485a48u);
}

// Arguments where glibc's libm and musl's (the WebAssembly build's) differ
// in the last bit: the geometry gives musl's, the values of musl's C
// sources compiled natively. Direction 11.309932474020215 of (5, 1), for one.
TEST(PortableMath, TheGeometryPrintsTheSameDigitsAsTheWebAssemblyBuild) {
  EXPECT_EQ(UnitVector(2.64).y, 0x1.7953a39bba137p-5);
  EXPECT_EQ(UnitVector(5.12).x, 0x1.fdf504f837b46p-1);
  EXPECT_EQ(UnitVector(-2.64).y, -0x1.7953a39bba137p-5);
  EXPECT_EQ(DirectionOf({5, 1}), 0x1.69eaf781fc538p+3);
  EXPECT_EQ(Length({6e300, 1e300}), 0x1.22a73a51de64dp+999);
}

}  // namespace
}  // namespace draftcalc::geometry
