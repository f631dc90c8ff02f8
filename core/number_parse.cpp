#include "core/number_parse.h"

#include <cstdint>
#include <string>

#include "core/float_chars.h"
#include "core/powers_of_ten.h"

namespace draftcalc {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Walks a text one significant character at a time; in lenient mode the
// blanks that the leading-number parse ignores are stepped over first.
class Cursor {
 public:
  Cursor(std::string_view text, bool skipBlanks) : text_(text), skipBlanks_(skipBlanks) {}

  bool AtEnd() {
    SkipIgnored();
    return pos_ == text_.size();
  }
  // The next significant character, or '\0' at the end.
  char Peek() {
    SkipIgnored();
    return pos_ < text_.size() ? text_[pos_] : '\0';
  }
  void Take() { ++pos_; }
  size_t Position() const { return pos_; }
  void Restore(size_t pos) { pos_ = pos; }

 private:
  void SkipIgnored() {
    if (!skipBlanks_) return;
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\n')) ++pos_;
  }

  std::string_view text_;
  size_t pos_ = 0;
  bool skipBlanks_;
};

// Copies the decimal number at the cursor, blanks removed, into `compact`
// ("-12.5e3"). Returns false when no digit is found; the cursor then stands
// wherever scanning stopped.
// Copies the digits at the cursor into `compact`; false when there are none.
bool CollectDigits(Cursor& in, std::string& compact) {
  const size_t before = compact.size();
  while (IsDigit(in.Peek())) {
    compact += in.Peek();
    in.Take();
  }
  return compact.size() > before;
}

bool ScanDecimal(Cursor& in, std::string& compact) {
  if (in.Peek() == '+' || in.Peek() == '-') {
    if (in.Peek() == '-') compact += '-';
    in.Take();
  }
  const bool wholeDigits = CollectDigits(in, compact);
  bool fractionDigits = false;
  if (in.Peek() == '.') {
    compact += '.';
    in.Take();
    fractionDigits = CollectDigits(in, compact);
  }
  if (!wholeDigits && !fractionDigits) return false;

  // An exponent letter counts only when digits follow it.
  if (in.Peek() == 'e' || in.Peek() == 'E') {
    const size_t beforeExponent = in.Position();
    const size_t compactLength = compact.size();
    compact += 'e';
    in.Take();
    if (in.Peek() == '+' || in.Peek() == '-') {
      compact += in.Peek();
      in.Take();
    }
    if (!CollectDigits(in, compact)) {
      in.Restore(beforeExponent);
      compact.resize(compactLength);
    }
  }
  return true;
}

// Decimal exponent of the leading significant digit of a compact number
// ("0.05" gives -1, "120" gives 3), used only to tell an overflow from an
// underflow after the conversion reported the value out of range.
bool IsBeyondDoubleRange(std::string_view compact) {
  size_t i = compact.starts_with('-') ? 1 : 0;
  int64_t magnitude = 0;
  bool seenSignificant = false;
  bool afterPoint = false;
  for (; i < compact.size() && compact[i] != 'e'; ++i) {
    const char c = compact[i];
    if (c == '.') {
      afterPoint = true;
    } else if (!seenSignificant) {
      if (c != '0') {
        seenSignificant = true;
        if (!afterPoint) magnitude = 1;
      } else if (afterPoint) {
        --magnitude;
      }
    } else if (!afterPoint) {
      ++magnitude;
    }
  }
  int64_t exponent = 0;
  if (i < compact.size()) {
    ++i;
    bool negative = false;
    if (compact[i] == '+' || compact[i] == '-') negative = compact[i++] == '-';
    for (; i < compact.size(); ++i) {
      if (exponent < 1'000'000'000) exponent = exponent * 10 + (compact[i] - '0');
    }
    if (negative) exponent = -exponent;
  }
  return magnitude + exponent > 0;
}

// Converts a compact decimal number. A value too large for a double is
// reported as nullopt; one too small becomes a signed zero.
std::optional<double> CompactToDouble(std::string_view compact) {
  if (const auto value = float_chars::ReadDecimal(compact)) return value;
  if (IsBeyondDoubleRange(compact)) return std::nullopt;
  return compact.starts_with('-') ? -0.0 : 0.0;
}

int DigitValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

// Octal digits regrouped into hexadecimal digits (3 bits each into 4 bits each).
std::string OctalToHex(std::string_view octal) {
  std::string hex;
  unsigned bits = 0;
  int bitCount = 0;
  for (auto it = octal.rbegin(); it != octal.rend(); ++it) {
    bits |= static_cast<unsigned>(*it - '0') << bitCount;
    bitCount += 3;
    while (bitCount >= 4) {
      hex += "0123456789abcdef"[bits & 0xF];
      bits >>= 4;
      bitCount -= 4;
    }
  }
  if (bitCount > 0) hex += "0123456789abcdef"[bits & 0xF];
  return {hex.rbegin(), hex.rend()};
}

// "&H1F" or "&O17" (the "&" already taken): the unsigned whole number of
// the digits that follow, correctly rounded; 0 beyond the double range or
// without the radix letter (`read` says which).
double ScanRadixNumber(Cursor& in, LeadingNumber* read = nullptr) {
  int radix = 0;
  if (in.Peek() == 'H' || in.Peek() == 'h') radix = 16;
  if (in.Peek() == 'O' || in.Peek() == 'o') radix = 8;
  if (radix == 0) return 0;
  in.Take();
  if (read != nullptr) read->found = true;

  std::string digits;
  while (DigitValue(in.Peek()) < radix) {
    if (!(digits.empty() && in.Peek() == '0')) digits += in.Peek();
    in.Take();
  }
  const size_t bitsPerDigit = radix == 16 ? 4 : 3;
  if (digits.size() * bitsPerDigit <= 64) {
    uint64_t value = 0;
    for (char c : digits) value = value * static_cast<uint64_t>(radix) + static_cast<uint64_t>(DigitValue(c));
    return static_cast<double>(value);
  }
  const std::string hex = radix == 16 ? digits : OctalToHex(digits);
  const auto value = float_chars::ReadHexDigits(hex);
  if (!value && read != nullptr) read->outOfRange = true;
  return value.value_or(0.0);
}

// Appends the decimal digits from p on to the whole number `digits`;
// returns where they end.
const char* AccumulateDigits(const char* p, const char* end, uint64_t& digits) {
  while (p != end && IsDigit(*p)) digits = digits * 10 + static_cast<uint64_t>(*p++ - '0');
  return p;
}

// The common plain decimal ("12.5", "-0.000", "") of at most 15 digits: its
// digits form an exact whole number and 10^places is exact, so one IEEE
// division gives the correctly rounded value. Returns false for anything
// else, which then takes the general route.
bool TryPlainDecimal(std::string_view text, double& value) {
  const char* p = text.data();
  const char* const end = p + text.size();
  if (p == end) {
    value = 0;
    return true;
  }
  const bool negative = *p == '-';
  if (*p == '-' || *p == '+') ++p;

  // Digits wrap around beyond 19 of them, but more than 15 are refused below.
  uint64_t digits = 0;
  const char* const wholeStart = p;
  p = AccumulateDigits(p, end, digits);
  const auto wholeCount = static_cast<size_t>(p - wholeStart);
  size_t places = 0;
  if (p != end && *p == '.') {
    const char* const fractionStart = ++p;
    p = AccumulateDigits(p, end, digits);
    places = static_cast<size_t>(p - fractionStart);
  }
  if (p != end || wholeCount + places == 0 || wholeCount + places > 15) return false;

  const double magnitude = static_cast<double>(digits) / kPowersOfTen[places];
  value = negative ? -magnitude : magnitude;
  return true;
}

}  // namespace

double ParseLeadingNumber(std::string_view text) {
  if (double value = 0; TryPlainDecimal(text, value)) return value;

  Cursor in(text, /*skipBlanks=*/true);
  if (in.Peek() == '&') {
    in.Take();
    return ScanRadixNumber(in);
  }
  std::string compact;
  if (!ScanDecimal(in, compact)) return 0;
  return CompactToDouble(compact).value_or(0.0);
}

LeadingNumber ReadLeadingNumber(std::string_view text) {
  LeadingNumber read;
  if (TryPlainDecimal(text, read.value)) {
    read.consumed = text.size();
    read.found = !text.empty();
    return read;
  }
  Cursor in(text, /*skipBlanks=*/true);
  if (in.Peek() == '&') {
    in.Take();
    read.value = ScanRadixNumber(in, &read);
    read.consumed = read.found ? in.Position() : 0;
    return read;
  }
  std::string compact;
  if (!ScanDecimal(in, compact)) return read;
  read.found = true;
  read.consumed = in.Position();
  const auto value = CompactToDouble(compact);
  read.outOfRange = !value;
  read.value = value.value_or(0.0);
  return read;
}

std::optional<double> ConvertWholeText(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return std::nullopt;
  const auto last = text.find_last_not_of(" \t");
  const std::string_view number = text.substr(first, last - first + 1);
  if (double value = 0; TryPlainDecimal(number, value)) return value;

  Cursor in(number, /*skipBlanks=*/false);
  std::string compact;
  if (!ScanDecimal(in, compact) || !in.AtEnd()) return std::nullopt;
  return CompactToDouble(compact);
}

}  // namespace draftcalc
