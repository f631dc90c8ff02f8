#pragma once

#include <string_view>

namespace draftcalc::csv {

// True when the bytes are well-formed UTF-8.
bool IsValidUtf8(std::string_view bytes);

}  // namespace draftcalc::csv
