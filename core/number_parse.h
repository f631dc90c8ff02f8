#pragma once

#include <optional>
#include <string_view>

namespace draftcalc {

// Reads the longest leading number of a box text, the way every typed number
// and every result caption read back is understood:
// - blanks, tabs and line feeds are skipped wherever they stand ("1 2" is 12);
// - optional sign, digits with one "." (whatever the locale), optional
//   exponent "e"/"E" with optional sign and at least one digit;
// - "&H"/"&O" at the start (blanks allowed before and inside, no sign) give
//   an unsigned hexadecimal or octal whole number;
// - reading stops at the first character that cannot continue the number.
// Text without a leading number, and a value beyond the double range, give 0.
// Never fails.
double ParseLeadingNumber(std::string_view text);

// The same reading, and how much of the text it took: `consumed` bytes from
// the start (the number and the blanks inside it); `found` is false for a
// text without a leading number, `outOfRange` true for a number beyond the
// double range (both read as 0).
struct LeadingNumber {
  double value = 0;
  size_t consumed = 0;
  bool found = false;
  bool outOfRange = false;
};
LeadingNumber ReadLeadingNumber(std::string_view text);

// Converts a text that must be one number as a whole: blanks (space, tab)
// around it, optional sign, digits with at most one "." and at least one
// digit, optional exponent. Anything else, and a value beyond the double
// range, is not a number.
std::optional<double> ConvertWholeText(std::string_view text);

}  // namespace draftcalc
