#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/input_texts.h"

namespace draftcalc::cli {

// An input box named as in the CSV header and the calc words: column letter
// then row number, "x1" .. "s3" (either case).
struct BoxName {
  int row;
  Column column;
};

std::optional<BoxName> ParseBoxName(std::string_view name);
std::string BoxNameText(BoxName box);  // "x1"

}  // namespace draftcalc::cli
