#pragma once

#include <optional>
#include <string>
#include <string_view>

// Reading and writing doubles as text: every conversion between a double and
// its digits in the engine goes through here. Two routes give the same
// results: std::to_chars/std::from_chars, and the C library (strtod,
// snprintf) for tool chains whose C++ library lacks the floating-point
// charconv functions (the WebAssembly build). The build chooses one by
// defining DRAFTCALC_FLOAT_CHARS_C_LIBRARY; both are built natively, so that
// the tests compare them.

namespace draftcalc::float_chars {

// The routes, each the whole set of functions below.
namespace charconv_route {
std::optional<double> ReadDecimal(std::string_view text);
std::optional<double> ReadHexDigits(std::string_view digits);
std::string FixedText(double x, int places);
std::string GeneralText(double x, int precision);
std::string ShortestText(double x);
std::string ShortestFixedText(double x);
std::string ShortestFixedText(float x);
}  // namespace charconv_route

namespace c_library_route {
std::optional<double> ReadDecimal(std::string_view text);
std::optional<double> ReadHexDigits(std::string_view digits);
std::string FixedText(double x, int places);
std::string GeneralText(double x, int precision);
std::string ShortestText(double x);
std::string ShortestFixedText(double x);
std::string ShortestFixedText(float x);
}  // namespace c_library_route

#ifdef DRAFTCALC_FLOAT_CHARS_C_LIBRARY
namespace route = c_library_route;
#else
namespace route = charconv_route;
#endif

// A decimal number "-12.5e3": optional "-", digits with at most one ".",
// optional exponent "e" with optional sign and digits; nothing else. The
// nearest double; nullopt when the number lies beyond the double range or is
// so small that it rounds to zero (a number below the normal range that
// keeps some digits is kept).
inline std::optional<double> ReadDecimal(std::string_view text) { return route::ReadDecimal(text); }

// Hexadecimal digits without a prefix ("1f"): the nearest double; nullopt
// beyond the double range.
inline std::optional<double> ReadHexDigits(std::string_view digits) { return route::ReadHexDigits(digits); }

// printf's "%.*f": `places` decimals, correctly rounded, halves to even.
inline std::string FixedText(double x, int places) { return route::FixedText(x, places); }

// printf's "%.*g": `precision` significant digits, trailing zeros dropped,
// exponent form "1e+15" when the exponent is below -4 or at least the
// precision.
inline std::string GeneralText(double x, int precision) { return route::GeneralText(x, precision); }

// The fewest digits that read back to the same double, the closest such
// digits when there are several, written in fixed ("0.001", "120") or
// exponent form ("1e+20", "1.25e-07"), whichever is shorter, fixed on a tie.
// x must be finite.
inline std::string ShortestText(double x) { return route::ShortestText(x); }

// The same digits always in fixed form ("100000000000000000000",
// "0.000000125"), as std::to_chars writes with chars_format::fixed; of a
// float, the fewest that read back to the same float. x must be finite.
inline std::string ShortestFixedText(double x) { return route::ShortestFixedText(x); }
inline std::string ShortestFixedText(float x) { return route::ShortestFixedText(x); }

}  // namespace draftcalc::float_chars
