#include "core/number_text.h"

#include <array>
#include <cassert>
#include <charconv>
#include <cmath>

namespace draftcalc {
namespace {

constexpr std::array<double, 16> kPowersOfTen = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// Exact reference: the shortest route to a correctly rounded decimal is the
// fixed-precision text of the value, read back.
double RoundThroughText(double x, int places) {
  std::array<char, 400> text{};
  const auto written = std::to_chars(text.data(), text.data() + text.size(), x, std::chars_format::fixed, places);
  double rounded = x;
  std::from_chars(text.data(), written.ptr, rounded);
  return rounded;
}

}  // namespace

double RoundTo(double x, int places) {
  assert(places >= 0 && places < static_cast<int>(kPowersOfTen.size()));
  if (!std::isfinite(x)) return x;

  // Rounding is symmetric, so work on the magnitude. scaled + error is the
  // exact product |x| * 10^places (the fused multiply-add yields the rounding
  // error of the product exactly), which tells exact halves from values
  // just above or below them without going through text.
  const double scale = kPowersOfTen[static_cast<size_t>(places)];
  const double magnitude = std::fabs(x);
  const double scaled = magnitude * scale;
  if (scaled >= 0x1p52) return RoundThroughText(x, places);
  const double error = std::fma(magnitude, scale, -scaled);

  const double whole = std::floor(scaled);
  // Exact: both terms lie within a factor of two of each other near the half.
  const double aboveHalf = (scaled - whole) - 0.5;
  bool roundUp = false;
  if (aboveHalf != 0) {
    roundUp = aboveHalf > 0;  // |aboveHalf| is at least one unit of `scaled`, more than |error|
  } else if (error != 0) {
    roundUp = error > 0;
  } else {
    roundUp = std::fmod(whole, 2.0) != 0;  // an exact half goes to the even neighbour
  }
  const double rounded = (roundUp ? whole + 1 : whole) / scale;
  return std::signbit(x) ? -rounded : rounded;
}

std::string NumberText(double x) {
  assert(std::isfinite(x));
  if (x == 0) return "0";
  std::array<char, 32> text{};
  const auto written = std::to_chars(text.data(), text.data() + text.size(), x, std::chars_format::general, 15);
  std::string result(text.data(), written.ptr);
  if (const auto e = result.find('e'); e != std::string::npos) result[e] = 'E';
  return result;
}

}  // namespace draftcalc
