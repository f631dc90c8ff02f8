#pragma once

#include <array>
#include <string_view>

#include "core/input_texts.h"
#include "csv/box_columns.h"

namespace draftcalc::csv {

// The 24 box texts given box by box by name, as draftcalc-cli's calc words
// and the Python module's mappings give them: a box not named keeps its
// start-up text. A name that is no box, or a box named a second time (in
// either case), is refused and changes nothing.
class NamedBoxes {
 public:
  enum class Refusal { kNone, kNotABox, kGivenTwice };

  // Writes `text` into the box `name` names. The text is kept as a view: it
  // must outlive every use of Texts().
  Refusal Give(std::string_view name, std::string_view text);
  // The same for a name already read (never kNotABox).
  Refusal Give(BoxName box, std::string_view text);

  const InputTexts& Texts() const { return texts_; }

  // Back to the start-up texts, no box given.
  void Reset() { *this = NamedBoxes(); }

 private:
  InputTexts texts_ = StartupTexts();
  std::array<std::array<bool, kColumnCount>, kRowCount> given_{};
};

}  // namespace draftcalc::csv
