#include <array>
#include <charconv>
#include <system_error>

#include "core/float_chars.h"

namespace draftcalc::float_chars::charconv_route {
namespace {

// Out of range stands for both ends: beyond the largest double and rounded
// to zero.
std::optional<double> Read(std::string_view text, std::chars_format format) {
  double value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value, format);
  if (result.ec != std::errc()) return std::nullopt;
  return value;
}

template <typename Number, typename... Format>
std::string Write(Number x, Format... format) {
  // Wide enough for 15 decimals of the largest double.
  std::array<char, 400> text{};
  const auto written = std::to_chars(text.data(), text.data() + text.size(), x, format...);
  return {text.data(), written.ptr};
}

}  // namespace

std::optional<double> ReadDecimal(std::string_view text) { return Read(text, std::chars_format::general); }

std::optional<double> ReadHexDigits(std::string_view digits) { return Read(digits, std::chars_format::hex); }

std::string FixedText(double x, int places) { return Write(x, std::chars_format::fixed, places); }

std::string GeneralText(double x, int precision) { return Write(x, std::chars_format::general, precision); }

std::string ShortestText(double x) { return Write(x); }

std::string ShortestFixedText(double x) { return Write(x, std::chars_format::fixed); }

std::string ShortestFixedText(float x) { return Write(x, std::chars_format::fixed); }

}  // namespace draftcalc::float_chars::charconv_route
