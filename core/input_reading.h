#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "core/calc_state.h"
#include "core/element_kind.h"
#include "core/input_texts.h"

namespace draftcalc {

// The boxes a row's A and B values are read from, by its typed D code:
// "1" and "2" (line) A; "3" (line with offset) A and B; "5" (value row) B
// from C; "0" (circle) A from R and B from S; none for a point ("8") or any
// other code.
struct RowColumns {
  std::optional<Column> a, b;
};
RowColumns ColumnsReadFor(std::string_view code);

// The kinds of input rows 0..2, each read once from its D code.
using RowKinds = std::array<ElementKind, kRowCount>;

// Reads input rows 0..2 into elements 1..3: X and Y always, the other
// columns as the typed D code says, and the stored code of the row's kind.
// A D text that names no kind reads as a point. Leaves elemNo at 3.
RowKinds ReadInputRows(CalcState& s, const InputTexts& texts);

// Sets twoElem from the D text of row 3: element 3 takes part exactly when
// that text is a number from 0 up to but not including 10.
void DecideElementCount(CalcState& s, const InputTexts& texts);

}  // namespace draftcalc
