#include <array>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <type_traits>

#include "core/float_chars.h"

// The route through the C library. Its functions are exact (strtod rounds
// correctly, printf writes the exact binary value rounded to the digits
// asked for) and, in the "C" locale, use "." as the decimal point; the
// WebAssembly C library knows no other locale.

namespace draftcalc::float_chars::c_library_route {
namespace {

// strtod reports a range error both for a number beyond the double range
// (infinity) and for one below the normal range, whose value it still
// rounds and returns; only one rounded to zero is lost.
std::optional<double> ReadWithStrtod(const std::string& text) {
  errno = 0;
  const double value = std::strtod(text.c_str(), nullptr);
  if (std::isinf(value) || (value == 0 && errno == ERANGE)) return std::nullopt;
  return value;
}

template <typename... Arguments>
std::string Printed(const char* format, Arguments... arguments) {
  // Wide enough for 15 decimals of the largest double.
  std::array<char, 400> text{};
  const int length = std::snprintf(text.data(), text.size(), format, arguments...);
  return {text.data(), static_cast<size_t>(length)};
}

// A decimal d0.d1d2... x 10^exponent; `digits` has no leading zero.
struct Decimal {
  std::string digits;
  int exponent = 0;
};

// "%.*e" of a positive x: its digits rounded to `count` significant ones.
Decimal RoundedDecimal(double x, int count) {
  const std::string text = Printed("%.*e", count - 1, x);
  const size_t e = text.find('e');
  Decimal decimal;
  for (size_t i = 0; i < e; ++i) {
    if (text[i] != '.') decimal.digits += text[i];
  }
  decimal.exponent = std::atoi(text.c_str() + e + 1);
  return decimal;
}

// The double (or float) nearest to the decimal.
template <typename Number>
Number ValueOf(const Decimal& decimal) {
  const int lastDigitExponent = decimal.exponent - static_cast<int>(decimal.digits.size()) + 1;
  const std::string text = decimal.digits + "e" + std::to_string(lastDigitExponent);
  if constexpr (std::is_same_v<Number, float>) return std::strtof(text.c_str(), nullptr);
  return std::strtod(text.c_str(), nullptr);
}

// The decimal one unit in the last digit up (`step` 1) or down (-1), of as
// many digits; nullopt when that takes another count of digits: such a
// decimal has been tried with that count already.
std::optional<Decimal> Neighbour(Decimal decimal, int step) {
  const char wrapFrom = step > 0 ? '9' : '0', wrapTo = step > 0 ? '0' : '9';
  for (size_t i = decimal.digits.size(); i-- > 0;) {
    if (decimal.digits[i] != wrapFrom) {
      decimal.digits[i] = static_cast<char>(decimal.digits[i] + step);
      if (decimal.digits[0] == '0') return std::nullopt;
      return decimal;
    }
    decimal.digits[i] = wrapTo;
  }
  return std::nullopt;
}

// The fewest digits that read back to x (positive), the closest of them.
// The closest decimal of a count of digits is printf's rounding; when that
// does not read back, its neighbour on the other side of x still may: the
// decimals that read back as x reach further on one side of it than on the
// other where x is a power of two.
template <typename Number>
Decimal ShortestDecimal(Number x) {
  // 17 significant digits tell every double apart, 9 every float.
  constexpr int kEnough = std::is_same_v<Number, float> ? 9 : 17;
  for (int count = 1; count < kEnough; ++count) {
    const Decimal rounded = RoundedDecimal(x, count);
    const Number roundedValue = ValueOf<Number>(rounded);
    if (roundedValue == x) return rounded;
    const auto other = Neighbour(rounded, roundedValue > x ? -1 : 1);
    if (other && ValueOf<Number>(*other) == x) return *other;
  }
  return RoundedDecimal(x, kEnough);
}

// The shortest digits of x, trailing zeros dropped.
template <typename Number>
Decimal ShortestDigits(Number magnitude) {
  Decimal decimal = ShortestDecimal(magnitude);
  while (decimal.digits.size() > 1 && decimal.digits.back() == '0') decimal.digits.pop_back();
  return decimal;
}

// The decimal in exponent form, "1.25e-07", and in fixed form, "0.000000125".
std::string ExponentForm(const Decimal& decimal) {
  std::string text(1, decimal.digits[0]);
  if (decimal.digits.size() > 1) text.append(1, '.').append(decimal.digits, 1);
  const int magnitude = std::abs(decimal.exponent);
  return text + (decimal.exponent < 0 ? "e-" : "e+") + (magnitude < 10 ? "0" : "") + std::to_string(magnitude);
}

// A whole number is written with all its digits, exact: of the texts as long
// as the shortest digits padded with zeros, that is the closest.
std::string FixedForm(const Decimal& decimal, double magnitude) {
  const auto count = static_cast<int>(decimal.digits.size());
  if (decimal.exponent >= count - 1) return Printed("%.0f", magnitude);
  if (decimal.exponent >= 0) {
    const auto whole = static_cast<size_t>(decimal.exponent + 1);
    return decimal.digits.substr(0, whole) + "." + decimal.digits.substr(whole);
  }
  return "0." + std::string(static_cast<size_t>(-decimal.exponent - 1), '0') + decimal.digits;
}

}  // namespace

std::optional<double> ReadDecimal(std::string_view text) { return ReadWithStrtod(std::string(text)); }

std::optional<double> ReadHexDigits(std::string_view digits) { return ReadWithStrtod("0x" + std::string(digits)); }

std::string FixedText(double x, int places) { return Printed("%.*f", places, x); }

std::string GeneralText(double x, int precision) { return Printed("%.*g", precision, x); }

std::string ShortestText(double x) {
  if (x == 0) return std::signbit(x) ? "-0" : "0";
  const double magnitude = std::fabs(x);
  const Decimal decimal = ShortestDigits(magnitude);
  const std::string fixed = FixedForm(decimal, magnitude), exponent = ExponentForm(decimal);
  const std::string& shorter = fixed.size() <= exponent.size() ? fixed : exponent;
  return std::signbit(x) ? "-" + shorter : shorter;
}

std::string ShortestFixedText(double x) {
  if (x == 0) return std::signbit(x) ? "-0" : "0";
  const std::string fixed = FixedForm(ShortestDigits(std::fabs(x)), std::fabs(x));
  return std::signbit(x) ? "-" + fixed : fixed;
}

// A whole float is written with all its digits, exact, as a double would be.
std::string ShortestFixedText(float x) {
  if (x == 0) return std::signbit(x) ? "-0" : "0";
  const float magnitude = std::fabs(x);
  const std::string fixed = FixedForm(ShortestDigits(magnitude), magnitude);
  return std::signbit(x) ? "-" + fixed : fixed;
}

}  // namespace draftcalc::float_chars::c_library_route
