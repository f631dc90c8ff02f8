#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "csv/box_columns.h"

namespace draftcalc::csv {

// A box text the calculation does not read whole, as the strict readers
// report it: "r2 \"8,5\" is read as 8". Nothing for a text read whole.
// Control characters in the text are written out ("\n" as \x0A) so the
// message stays on one line.
std::optional<std::string> NotReadWhole(BoxName box, std::string_view text);

}  // namespace draftcalc::csv
