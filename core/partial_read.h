#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace draftcalc {

// How a box text is read when the calculation does not read it whole: a
// number followed by other text (a decimal comma, letters), a text with no
// leading number, or a number beyond the double range. "read as 8: the text
// after \"8\" is ignored"; nothing for a text read whole, an empty one, or
// one of blanks only.
std::optional<std::string> PartialReading(std::string_view text);

}  // namespace draftcalc
