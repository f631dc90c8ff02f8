#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "i18n/translation.h"

namespace draftcalc::i18n {

// How a box text is read when the calculation does not read it whole, in
// `language` ("read as 8: the text after "8" is ignored"); nothing when it
// is read whole.
std::optional<std::string> PartialReading(std::string_view text, Language language);

}  // namespace draftcalc::i18n
