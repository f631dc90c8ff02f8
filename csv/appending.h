#pragma once

#include <string_view>

namespace draftcalc::csv {

// What to write after CSV text before a record is appended to it, so that
// the new record begins a line of its own even when the text was cut short
// inside a record (a write that failed half way, a power cut): nothing after
// a line end or in empty text, a line end after a cut unquoted field, and a
// closing quote and a line end inside a cut quoted field. The cut record
// stays a record of its own, read as malformed or as what is left of it.
std::string_view SeparatorBeforeAppending(std::string_view text);

}  // namespace draftcalc::csv
