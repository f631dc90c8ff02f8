#include "csv/named_boxes.h"

namespace draftcalc::csv {

NamedBoxes::Refusal NamedBoxes::Give(std::string_view name, std::string_view text) {
  const std::optional<BoxName> box = ParseBoxName(name);
  return box ? Give(*box, text) : Refusal::kNotABox;
}

NamedBoxes::Refusal NamedBoxes::Give(BoxName box, std::string_view text) {
  bool& given = given_[static_cast<size_t>(box.row)][box.column];
  if (given) return Refusal::kGivenTwice;
  given = true;
  texts_(box.row, box.column) = text;
  return Refusal::kNone;
}

}  // namespace draftcalc::csv
