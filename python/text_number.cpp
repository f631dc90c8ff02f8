#include "python/text_number.h"

#include <charconv>
#include <cstdint>
#include <system_error>

namespace draftcalc::python {
namespace {

constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                   1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Most captions are a few digits with a point ("-12.3456"): read as digits
// / 10^decimals, both exact doubles (below 2^53, and 10^22 at most), so
// that the one rounding of the division gives the correctly rounded double,
// as from_chars would, several times faster. Nothing for any other form.
std::optional<double> PlainDecimal(std::string_view text) {
  const bool negative = !text.empty() && text[0] == '-';
  if (negative) text.remove_prefix(1);
  if (text.empty() || text.size() > 16) return std::nullopt;
  uint64_t digits = 0;
  int digitCount = 0, decimals = -1;
  for (const char c : text) {
    if (c >= '0' && c <= '9') {
      digits = digits * 10 + static_cast<uint64_t>(c - '0');
      ++digitCount;
      if (decimals >= 0) ++decimals;
    } else if (c == '.' && decimals < 0) {
      decimals = 0;
    } else {
      return std::nullopt;
    }
  }
  if (digitCount == 0 || digitCount > 15) return std::nullopt;
  const double value = static_cast<double>(digits) / kPowersOfTen[decimals < 0 ? 0 : decimals];
  return negative ? -value : value;
}

}  // namespace

size_t WriteShortDecimal(double x, char (&buffer)[32]) {
  const double magnitude = x < 0 ? -x : x;
  if (!(magnitude < 1e15)) return 0;
  // The fewest decimals k for which x is the double nearest to m / 10^k:
  // m and 10^k are exact, so the division rounds as reading the decimal
  // text does, and the text of m with k decimals reads back to x.
  for (int decimals = 0; decimals <= 6; ++decimals) {
    const double scaled = magnitude * kPowersOfTen[decimals];
    if (scaled >= 9e15) return 0;
    const auto whole = static_cast<uint64_t>(scaled + 0.5);
    if (static_cast<double>(whole) / kPowersOfTen[decimals] != magnitude) continue;
    char digits[24];
    const size_t count = static_cast<size_t>(std::to_chars(digits, digits + sizeof digits, whole).ptr - digits);
    size_t length = 0;
    if (x < 0 && whole != 0) buffer[length++] = '-';
    const size_t integerDigits = count > static_cast<size_t>(decimals) ? count - decimals : 0;
    for (size_t i = 0; i < integerDigits; ++i) buffer[length++] = digits[i];
    if (integerDigits == 0) buffer[length++] = '0';
    if (decimals == 0) return length;
    buffer[length++] = '.';
    for (size_t i = count; i < static_cast<size_t>(decimals); ++i) buffer[length++] = '0';
    for (size_t i = integerDigits; i < count; ++i) buffer[length++] = digits[i];
    return length;
  }
  return 0;
}

std::optional<double> NumberOfText(std::string_view text) {
  if (const auto plain = PlainDecimal(text)) return plain;
  double value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}

}  // namespace draftcalc::python
