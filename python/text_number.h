#pragma once

#include <optional>
#include <string_view>

namespace draftcalc::python {

// The number a caption or an --all field shows: its text read as a double,
// the same double float() reads from it ("53.1301", "1E+15", "-0"); nothing
// for an empty text. The captions and fields are always number texts or
// empty (pipeline_fuzz checks the captions), so nothing else is expected.
std::optional<double> NumberOfText(std::string_view text);

// A text that reads back to the same double for a finite x with at most six
// decimals below 10^15 in magnitude ("12.5", "-0.001", "3"), written into
// `buffer`; its length, or 0 for any other x (which the caller writes
// another way). Many times faster than the shortest form of std::to_chars
// for the numbers of a drawing, and the same value; the text may differ in
// form ("100000000000000" for "1e+14", "0" for "-0").
size_t WriteShortDecimal(double x, char (&buffer)[32]);

}  // namespace draftcalc::python
