#include "core/number_text.h"

#include <array>
#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "core/powers_of_ten.h"

namespace draftcalc {
namespace {

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

  // Truncation is the floor here: scaled is neither negative nor beyond 2^52.
  const double whole = static_cast<double>(static_cast<int64_t>(scaled));
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

namespace {

// A value that is exactly the double nearest to a decimal m / 10^6 of at
// most 15 digits, at least 1e-4 in magnitude: rounding it to 15 significant
// digits gives that decimal, so its general form is the decimal with trailing
// zeros dropped, written without the slower precision formatting.
bool TryShortDecimal(double x, std::string& text) {
  constexpr int kPlaces = 6;
  constexpr double kScale = 1e6;
  const double magnitude = std::fabs(x);
  if (!(magnitude >= 1e-4 && magnitude < 1e9)) return false;
  // Any nearby whole number will do: the exactness test decides.
  const auto scaled = static_cast<int64_t>(magnitude * kScale + 0.5);
  if (static_cast<double>(scaled) / kScale != magnitude) return false;

  // Digits from the right: the six places (dropping trailing zeros), then
  // the whole part.
  std::array<char, 32> out{};
  size_t start = out.size();
  int64_t rest = scaled;
  bool inFraction = false;
  for (int place = 0; place < kPlaces; ++place) {
    const auto digit = static_cast<char>('0' + rest % 10);
    rest /= 10;
    if (digit != '0' || inFraction) {
      out[--start] = digit;
      inFraction = true;
    }
  }
  if (inFraction) out[--start] = '.';
  do {
    out[--start] = static_cast<char>('0' + rest % 10);
    rest /= 10;
  } while (rest != 0);
  if (x < 0) out[--start] = '-';
  text.assign(out.data() + start, out.size() - start);
  return true;
}

}  // namespace

std::string NumberText(double x) {
  assert(std::isfinite(x));
  if (x == 0) return "0";
  if (std::string text; TryShortDecimal(x, text)) return text;
  std::array<char, 32> text{};
  const auto written = std::to_chars(text.data(), text.data() + text.size(), x, std::chars_format::general, 15);
  std::string result(text.data(), written.ptr);
  if (const auto e = result.find('e'); e != std::string::npos) result[e] = 'E';
  return result;
}

}  // namespace draftcalc
