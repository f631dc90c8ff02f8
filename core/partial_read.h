#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace draftcalc {

// How a box text is read when the calculation does not read it whole: a
// number followed by other text (a decimal comma, letters), a text with no
// leading number, or a number beyond the double range.
struct PartialRead {
  // The sentence that says so, marked for the translations: %1 the number
  // taken, %2 the text it is read from ("read as %1: the text after "%2" is
  // ignored").
  const char* sentence;
  std::string readAs;    // the number taken, as the captions write it
  std::string readFrom;  // the part of the text it is read from
};

// Nothing for a text read whole, an empty one, or one of blanks only.
std::optional<PartialRead> ReadInPart(std::string_view text);

}  // namespace draftcalc
